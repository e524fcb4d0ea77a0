#pragma once

#include <velmaris_host_export.h>

#include <functional>
#include <vector>

namespace Velmaris {

class FileName;

class VELMARIS_HOST_EXPORT FileImportExport
{
public:
    // Writes the bytes to the file, replacing it only once all of them are written.
    static bool exportFile(const FileName &file, const std::vector<char> &bytes);

    // Test seam: while set, exportFile calls this instead of writing. An empty function
    // restores the real writer.
    using Writer = std::function<bool(const FileName &, const std::vector<char> &)>;
    static void setWriterForTesting(Writer writer);
};

} // namespace Velmaris
