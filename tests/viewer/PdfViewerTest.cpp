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
public slots:
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

private slots:
    void initTestCase()
    {
        QVERIFY(m_temp.isValid());
        qputenv("TMPDIR", QFile::encodeName(m_temp.path()));
    }

    void opens_the_written_file_or_nothing()
    {
        ModalBoxes boxes;
        DesktopStandIn desktop;
        QVERIFY(PdfViewer::showDocument(QStringLiteral("report.pdf"), m_pdf, nullptr));
        QCOMPARE(desktop.opened, QList<QUrl>{QUrl::fromLocalFile(tempFile(QStringLiteral("report.pdf")))});
        QFile written(tempFile(QStringLiteral("report.pdf")));
        QVERIFY(written.open(QIODevice::ReadOnly));
        QCOMPARE(written.readAll(), QByteArray(m_pdf.data(), int(m_pdf.size())));

        // The name is appended to the directory text as it is, so a sub-path lands below it.
        QVERIFY(QDir(m_temp.path()).mkdir(QStringLiteral("sub")));
        PdfViewer::showDocument(QStringLiteral("sub/inner.pdf"), m_pdf, nullptr);
        QCOMPARE(desktop.opened.size(), 2);
        QVERIFY(QFile::exists(tempFile(QStringLiteral("sub/inner.pdf"))));

        // Nothing to show, or no place to write it: nothing written, opened or reported.
        QVERIFY(!PdfViewer::showDocument(QStringLiteral("empty.pdf"), {}, nullptr));
        QVERIFY(!PdfViewer::showDocument(QStringLiteral("missing-dir/x.pdf"), m_pdf, nullptr));
        QVERIFY(!QFile::exists(tempFile(QStringLiteral("empty.pdf"))));
        QCOMPARE(desktop.opened.size(), 2);
        QVERIFY(boxes.shown.empty());
    }

    void reports_a_missing_viewer()
    {
        // The offscreen platform opens no document by itself: without a handler opening fails.
        ModalBoxes boxes;
        QWidget parent;
        QVERIFY(!PdfViewer::showDocument(QStringLiteral("plan.pdf"), m_pdf, &parent));
        QVERIFY(QFile::exists(tempFile(QStringLiteral("plan.pdf")))); // left in place
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

private:
    QString tempFile(const QString &name) const { return QDir(m_temp.path()).filePath(name); }

    QTemporaryDir m_temp;
    const std::vector<char> m_pdf{'%', 'P', 'D', 'F', '-', '1', '.', '4', '\n'};
};

QTEST_MAIN(PdfViewerTest)
#include "PdfViewerTest.moc"
