#include <velmaris/viewer/PdfViewer.h>

#include <velmaris/host/files/FileImportExport.h>
#include <velmaris/host/files/FileName.h>
#include <velmaris/host/widgets/VLMessageBox.h>

#include <QDesktopServices>
#include <QFile>
#include <QLabel>
#include <QUrl>

#include <string>

namespace Velmaris {

namespace {

enum class Links { Plain, OpenExternally };

void tellUser(const QString &title, const QString &text, QWidget *parent, Links links)
{
    const Qt::WindowFlags flags = Qt::WindowCloseButtonHint | Qt::WindowSystemMenuHint
                                  | Qt::WindowTitleHint | Qt::FramelessWindowHint;
    VLMessageBox box(QMessageBox::Critical, title, text, QMessageBox::Ok, parent, flags);
    box.setDefaultButton(QMessageBox::Ok);
    if (links == Links::OpenExternally)
        box.textLabel()->setOpenExternalLinks(true);
    box.exec();
}

// The name is appended to the directory's text as it is.
std::string pathOf(const QString &fileName)
{
    return FileName::getSystemTempDirectoryPath().toString() + fileName.toStdString();
}

} // namespace

QString PdfViewer::documentPath(const QString &fileName)
{
    return QString::fromStdString(pathOf(fileName));
}

bool PdfViewer::showDocument(const QString &fileName, const std::vector<char> &document, QWidget *parent)
{
    if (document.empty())
        return false;
    const std::string path = pathOf(fileName);
    if (!FileImportExport::exportFile(FileName(path), document))
        return false;
    const QString localPath = QString::fromStdString(path);
    if (!QFile::exists(localPath)) {
        tellUser(QObject::tr("File does not exist!"), QObject::tr("The requested file does not exist."), parent,
                 Links::Plain);
        return false;
    }
    if (QDesktopServices::openUrl(QUrl::fromLocalFile(localPath)))
        return true;
    tellUser(QObject::tr("Could not find a pdf viewer!"),
             QObject::tr("Please install a viewer for Adobe portable document (PDF) files. You can download a "
                         "viewer from <a href=\"https://get.adobe.com/reader/\">Adobe's website</a>."),
             parent, Links::OpenExternally);
    return false;
}

} // namespace Velmaris
