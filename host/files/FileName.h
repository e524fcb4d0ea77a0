#pragma once

#include <velmaris/velmaris_host_export.h>

#include <string>

namespace Velmaris {

/// \addtogroup hoststandin
/// @{

/// A file path in the native form, UTF-8.
class VELMARIS_HOST_EXPORT FileName
{
public:
    /// Keeps @p path as given; it is neither checked nor converted.
    explicit FileName(const std::string &path);
    virtual ~FileName();

    /// The path given to the constructor.
    const std::string &toString() const { return m_path; }

    /// The system's temporary directory (TMPDIR where set), ending with a separator.
    static FileName getSystemTempDirectoryPath();

private:
    std::string m_path;
};

/// @}

} // namespace Velmaris
