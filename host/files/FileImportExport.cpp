#include "host/files/FileImportExport.h"

#include "host/files/FileName.h"

#include <QSaveFile>
#include <QString>

#include <utility>

namespace Velmaris {

namespace {

FileImportExport::Writer &testWriter()
{
    static FileImportExport::Writer instance;
    return instance;
}

} // namespace

bool FileImportExport::exportFile(const FileName &file, const std::vector<char> &bytes)
{
    if (testWriter())
        return testWriter()(file, bytes);
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

void FileImportExport::setWriterForTesting(Writer writer)
{
    testWriter() = std::move(writer);
}

} // namespace Velmaris
