#include <velmaris/host/files/FileName.h>

#include <QDir>

namespace Velmaris {

FileName::FileName(const std::string &path)
    : m_path(path)
{
}

FileName::~FileName() = default;

FileName FileName::getSystemTempDirectoryPath()
{
    QString path = QDir::toNativeSeparators(QDir::tempPath());
    if (!path.endsWith(QDir::separator()))
        path += QDir::separator();
    return FileName(path.toStdString());
}

} // namespace Velmaris
