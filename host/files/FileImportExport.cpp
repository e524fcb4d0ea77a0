#include <velmaris/host/files/FileImportExport.h>

#include <velmaris/host/files/FileName.h>

#include <QSaveFile>
#include <QString>

namespace Velmaris {

bool FileImportExport::exportFile(const FileName &file, const std::vector<char> &bytes)
{
    QSaveFile out(QString::fromStdString(file.toString()));
    if (!out.open(QIODevice::WriteOnly))
        return false;
    const auto size = static_cast<qint64>(bytes.size());
    if (size > 0 && out.write(bytes.data(), size) != size) {
        out.cancelWriting();
        return false;
    }
    return out.commit();
}

} // namespace Velmaris
