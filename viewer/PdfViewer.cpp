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

} // namespace

void PdfViewer::showDocument(const QString &fileName, const std::vector<char> &document, QWidget *parent)
{
    if (document.empty())
        return;
    const std::string path = FileName::getSystemTempDirectoryPath().toString() + fileName.toStdString();
    if (!FileImportExport::exportFile(FileName(path), document))
        return;
    const QString localPath = QString::fromStdString(path);
    if (!QFile::exists(localPath)) {
        tellUser(QObject::tr("File does not exist!"), QObject::tr("The requested file does not exist."), parent,
                 Links::Plain);
        return;
    }
    if (QDesktopServices::openUrl(QUrl::fromLocalFile(localPath)))
        return;
    tellUser(QObject::tr("Could not find a pdf viewer!"),
             QObject::tr("Please install a viewer for Adobe portable document (PDF) files. You can download a "
                         "viewer from <a href=\"https://get.adobe.com/reader/\">Adobe's website</a>."),
             parent, Links::OpenExternally);
}

} // namespace Velmaris
