#pragma once

#include <velmaris/velmaris_host_export.h>

#include <vector>

namespace Velmaris {

class FileName;

class VELMARIS_HOST_EXPORT FileImportExport
{
public:
    // Writes the bytes to the file, replacing it only once all of them are written.
    static bool exportFile(const FileName &file, const std::vector<char> &bytes);
};

} // namespace Velmaris
