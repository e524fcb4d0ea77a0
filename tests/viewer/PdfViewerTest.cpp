#include <velmaris/viewer/PdfViewer.h>

#include "support/ModalBoxes.h"

#include <QDesktopServices>
#include <QDir>
#include <QTemporaryDir>
#include <QUrl>
#include <QtTest>

using namespace Velmaris;

namespace {

class DesktopStandIn : public QObject
{
    Q_OBJECT
public Q_SLOTS:
    void open(const QUrl &url) { opened << url; }

public:
    DesktopStandIn() { QDesktopServices::setUrlHandler(QStringLiteral("file"), this, "open"); }
    ~DesktopStandIn() override { QDesktopServices::unsetUrlHandler(QStringLiteral("file")); }
    QList<QUrl> opened;
};

} // namespace

class PdfViewerTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void opens_the_written_file_or_tells_the_user()
    {
        QTemporaryDir temp;
        qputenv("TMPDIR", QFile::encodeName(temp.path()));
        const std::vector<char> pdf{'%', 'P', 'D', 'F', '-', '1', '.', '4', '\n'};
        ModalBoxes boxes;
        {
            DesktopStandIn desktop;
            QVERIFY(PdfViewer::showDocument(QStringLiteral("report.pdf"), pdf, nullptr));
            QCOMPARE(desktop.opened, QList<QUrl>{QUrl::fromLocalFile(temp.filePath(QStringLiteral("report.pdf")))});
            QFile written(temp.filePath(QStringLiteral("report.pdf")));
            QVERIFY(written.open(QIODevice::ReadOnly));
            QCOMPARE(written.readAll(), QByteArray(pdf.data(), int(pdf.size())));

            // The name is appended to the directory text as it is, so a sub-path lands below it.
            QVERIFY(QDir(temp.path()).mkdir(QStringLiteral("sub")));
            PdfViewer::showDocument(QStringLiteral("sub/inner.pdf"), pdf, nullptr);
            QVERIFY(QFile::exists(temp.filePath(QStringLiteral("sub/inner.pdf"))));

            // Nothing to show, or no place to write it: nothing written, opened or reported; the
            // sub-path's document was opened.
            QVERIFY(!PdfViewer::showDocument(QStringLiteral("empty.pdf"), {}, nullptr));
            QVERIFY(!PdfViewer::showDocument(QStringLiteral("missing-dir/x.pdf"), pdf, nullptr));
            QVERIFY(!QFile::exists(temp.filePath(QStringLiteral("empty.pdf"))));
            QCOMPARE(desktop.opened.size(), 2);
            QVERIFY(boxes.shown.empty());
        }

        // The offscreen platform opens no document by itself: without a handler opening fails.
        QWidget parent;
        QVERIFY(!PdfViewer::showDocument(QStringLiteral("plan.pdf"), pdf, &parent));
        QVERIFY(QFile::exists(temp.filePath(QStringLiteral("plan.pdf")))); // left in place
        QCOMPARE(boxes.shown.size(), std::size_t(1));
        const ModalBoxes::Shown &box = boxes.shown.front();
        QCOMPARE(box.title, QStringLiteral("Could not find a pdf viewer!"));
        QVERIFY(box.text.contains(QStringLiteral("You can download a viewer from <a href=\"https://")));
        QVERIFY(box.linksOpenExternally && box.okIsDefault);
        QCOMPARE(box.icon, QMessageBox::Critical);
        QCOMPARE(box.parent, &parent);
        const int requested = 0x08003800; // close button, system menu, title, frameless
        QCOMPARE(int(box.flags) & requested, requested);
    }
};

QTEST_MAIN(PdfViewerTest)
#include "PdfViewerTest.moc"
