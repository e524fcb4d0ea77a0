#include "viewer/PdfViewer.h"

#include "host/files/FileImportExport.h"
#include "host/files/FileName.h"
#include "host/widgets/VLMessageBox.h"

#include <QDesktopServices>
#include <QDir>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <QUrl>
#include <QtTest>

using namespace Velmaris;

namespace {

// What a message box showed instead of blocking the test.
struct ShownBox
{
    QString title;
    QString text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    Qt::WindowFlags flags;
    bool okIsDefault = false;
    bool linksOpenExternally = false;
    QWidget *parent = nullptr;
};

class DesktopStandIn : public QObject
{
    Q_OBJECT
public slots:
    void open(const QUrl &url) { opened << url; }

public:
    QList<QUrl> opened;
};

} // namespace

class PdfViewerTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QVERIFY(m_temp.isValid());
        qputenv("TMPDIR", QFile::encodeName(m_temp.path()));
        // The offscreen platform opens no document by itself: without a handler opening fails.
        VLMessageBox::setExecInterceptor([this](VLMessageBox &box) {
            m_shown.push_back({box.windowTitle(), box.text(), box.icon(), box.windowFlags(),
                               box.defaultButton() == box.button(QMessageBox::Ok),
                               box.textLabel() && box.textLabel()->openExternalLinks(), box.parentWidget()});
            return int(QMessageBox::Ok);
        });
    }
    void cleanupTestCase() { VLMessageBox::setExecInterceptor({}); }
    void init() { m_shown.clear(); }

    void opens_the_written_file();
    void reports_a_missing_viewer();
    void quiet_and_missing_file_cases();

private:
    QString tempFile(const QString &name) const { return QDir(m_temp.path()).filePath(name); }

    QTemporaryDir m_temp;
    std::vector<ShownBox> m_shown;
    const std::vector<char> m_pdf{'%', 'P', 'D', 'F', '-', '1', '.', '4', '\n'};
};

void PdfViewerTest::opens_the_written_file()
{
    QVERIFY(QString::fromStdString(FileName::getSystemTempDirectoryPath().toString()).startsWith(m_temp.path()));
    DesktopStandIn desktop;
    QDesktopServices::setUrlHandler(QStringLiteral("file"), &desktop, "open");
    PdfViewer::showDocument(QStringLiteral("report.pdf"), m_pdf, nullptr);
    QDesktopServices::unsetUrlHandler(QStringLiteral("file"));

    QCOMPARE(desktop.opened, QList<QUrl>{QUrl::fromLocalFile(tempFile(QStringLiteral("report.pdf")))});
    QFile written(tempFile(QStringLiteral("report.pdf")));
    QVERIFY(written.open(QIODevice::ReadOnly));
    QCOMPARE(written.readAll(), QByteArray(m_pdf.data(), int(m_pdf.size())));
    QVERIFY(m_shown.empty());
}

void PdfViewerTest::reports_a_missing_viewer()
{
    QWidget parent;
    PdfViewer::showDocument(QStringLiteral("plan.pdf"), m_pdf, &parent);
    QVERIFY(QFile::exists(tempFile(QStringLiteral("plan.pdf")))); // left in place
    QCOMPARE(m_shown.size(), std::size_t(1));
    const ShownBox &box = m_shown.front();
    QCOMPARE(box.title, QStringLiteral("Could not find a pdf viewer!"));
    QVERIFY(box.text.startsWith(QStringLiteral("Please install a viewer for Adobe portable document (PDF) files. "
                                               "You can download a viewer from <a href=\"https://")));
    QVERIFY(box.text.endsWith(QStringLiteral("\">Adobe's website</a>.")));
    QVERIFY(box.linksOpenExternally);
    QVERIFY(box.okIsDefault);
    QCOMPARE(box.icon, QMessageBox::Critical);
    QCOMPARE(box.parent, &parent);
    const int requested = 0x08003800; // close button, system menu, title, frameless
    QCOMPARE(int(box.flags) & requested, requested);
}

void PdfViewerTest::quiet_and_missing_file_cases()
{
    // Nothing to show: no file, no message.
    PdfViewer::showDocument(QStringLiteral("empty.pdf"), {}, nullptr);
    QVERIFY(!QFile::exists(tempFile(QStringLiteral("empty.pdf"))));

    // The name is appended to the directory text as it is, so a sub-path lands below it.
    QVERIFY(QDir(m_temp.path()).mkdir(QStringLiteral("sub")));
    DesktopStandIn desktop;
    QDesktopServices::setUrlHandler(QStringLiteral("file"), &desktop, "open");
    PdfViewer::showDocument(QStringLiteral("sub/inner.pdf"), m_pdf, nullptr);
    QDesktopServices::unsetUrlHandler(QStringLiteral("file"));
    QVERIFY(QFile::exists(tempFile(QStringLiteral("sub/inner.pdf"))));

    // A failed write is not reported.
    PdfViewer::showDocument(QStringLiteral("missing-dir/x.pdf"), m_pdf, nullptr);
    QVERIFY(m_shown.empty());

    // Written, yet gone: box A.
    FileImportExport::setWriterForTesting([](const FileName &, const std::vector<char> &) { return true; });
    PdfViewer::showDocument(QStringLiteral("vanished.pdf"), m_pdf, nullptr);
    FileImportExport::setWriterForTesting({});
    QCOMPARE(m_shown.size(), std::size_t(1));
    QCOMPARE(m_shown.front().title, QStringLiteral("File does not exist!"));
    QCOMPARE(m_shown.front().text, QStringLiteral("The requested file does not exist."));
    QVERIFY(!m_shown.front().linksOpenExternally);
    QVERIFY(m_shown.front().okIsDefault);
}

QTEST_MAIN(PdfViewerTest)
#include "PdfViewerTest.moc"
