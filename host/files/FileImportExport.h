#pragma once

#include <velmaris/velmaris_host_export.h>

#include <vector>

namespace Velmaris {

class FileName;

/// \addtogroup hoststandin
/// @{

/// The host's file writing.
class VELMARIS_HOST_EXPORT FileImportExport
{
public:
    /// Writes the bytes to the file, replacing it only once all of them are written; false,
    /// with any earlier file untouched, when the file cannot be opened or fully written.
    static bool exportFile(const FileName &file, const std::vector<char> &bytes);
};

/// @}

} // namespace Velmaris
