#include "host/files/FileImportExport.h"
#include "host/files/FileName.h"
#include "host/widgets/StyleHelpers.h"
#include "host/widgets/VLDoubleSpinBoxData.h"
#include "host/widgets/VLFormatter.h"
#include "host/widgets/VLItemDelegate.h"
#include "host/widgets/VLMessageBox.h"

#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QTemporaryDir>
#include <QThread>
#include <QtTest>

#include <limits>
#include <memory>

using namespace Velmaris;

class WidgetsAndFilesTest : public QObject
{
    Q_OBJECT

private slots:
    void spin_box_data();
    void texts();
    void message_box();
    void files();
};

void WidgetsAndFilesTest::spin_box_data()
{
    const VLDoubleSpinBoxData defaults;
    QVERIFY(defaults.keyboardTracking);
    QCOMPARE(defaults.minimum, std::numeric_limits<double>::lowest());
    QCOMPARE(defaults.maximum, std::numeric_limits<double>::max());
    QCOMPARE(defaults.singleStep, 1.0);
    QCOMPARE(defaults.maximumLength, -1);
    QCOMPARE(defaults.decimals, -1);
    QCOMPARE(defaults.displayFactor, 1.0);
    QCOMPARE(defaults.flags, 0);

    // Known to the meta-type system by its plain name, comparable inside variants.
    const int id = QMetaType::type("VLDoubleSpinBoxData");
    QCOMPARE(id, VLDoubleSpinBoxData::metaTypeId());
    VLDoubleSpinBoxData data;
    data.keyboardTracking = false;
    data.minimum = -2.5;
    data.maximum = 99.0;
    data.singleStep = 0.5;
    data.maximumLength = 12;
    data.decimals = 3;
    data.suffix = QStringLiteral("mm");
    data.prefix = QStringLiteral("≈");
    data.specialValueText = QStringLiteral("auto");
    data.displayFactor = 2.0;
    data.flags = 7;
    const QVariant variant(id, &data);
    QCOMPARE(variant.value<VLDoubleSpinBoxData>().suffix, QStringLiteral("mm"));
    QVERIFY(variant == QVariant::fromValue(data));
    VLDoubleSpinBoxData other = data;
    other.decimals = 4;
    QVERIFY(variant != QVariant::fromValue(other));

    // Streamed in a fixed order, without the first field; through the variant as well.
    QByteArray bytes;
    {
        QDataStream out(&bytes, QIODevice::WriteOnly);
        out << data;
    }
    QDataStream raw(bytes);
    double minimum, maximum, step, factor;
    qint32 length, decimals, flags;
    QString suffix, prefix, special;
    raw >> minimum >> maximum >> step >> length >> decimals >> suffix >> prefix >> special >> factor >> flags;
    QCOMPARE(raw.status(), QDataStream::Ok);
    QVERIFY(raw.atEnd());
    QCOMPARE(minimum, -2.5);
    QCOMPARE(step, 0.5);
    QCOMPARE(decimals, 3);
    QCOMPARE(prefix, QStringLiteral("≈"));
    QCOMPARE(factor, 2.0);
    QCOMPARE(flags, 7);
    VLDoubleSpinBoxData back;
    back.keyboardTracking = false;
    QDataStream in(bytes);
    in >> back;
    QVERIFY(back == data);
    QVERIFY(back.keyboardTracking == false);
    QByteArray variantBytes;
    {
        QDataStream out(&variantBytes, QIODevice::WriteOnly);
        out << variant;
    }
    QDataStream variantIn(variantBytes);
    QVariant read;
    variantIn >> read;
    QVERIFY(read.value<VLDoubleSpinBoxData>() == data);
    QVERIFY(read.value<VLDoubleSpinBoxData>().keyboardTracking);
}

void WidgetsAndFilesTest::texts()
{
    VLFormatter formatter;
    formatter.setDecimals(2);
    QCOMPARE(formatter.textFromValue(1234.567, false), QStringLiteral("1234.57"));
    formatter.setDecimals(0);
    QCOMPARE(formatter.textFromValue(999.5, false), QStringLiteral("1000"));
    formatter.setDecimals(-3);
    QCOMPARE(formatter.textFromValue(2.4, false), QStringLiteral("2"));
    QCOMPARE(VLFormatter::toString(200, QStringLiteral("CHF"), true), QStringLiteral("200 CHF"));
    QCOMPARE(VLFormatter::toString(12.25, QString(), true), QStringLiteral("12.25"));
    QCOMPARE(VLFormatter::toString(0.1 + 0.2, QStringLiteral("mm"), true), QStringLiteral("0.3 mm"));
    QCOMPARE(VLFormatter::toString(3, QStringLiteral("mm"), false), QStringLiteral("3.00 mm"));
    QCOMPARE(VLItemDelegate::text(true), QStringLiteral("Yes"));
    QCOMPARE(VLItemDelegate::text(false), QStringLiteral("No"));

    QCOMPARE(clearStringIfContainsSpacesExclusively(QStringLiteral("   ")), QString());
    QCOMPARE(clearStringIfContainsSpacesExclusively(QStringLiteral(" \t\n")), QString());
    QVERIFY(!clearStringIfContainsSpacesExclusively(QStringLiteral(" ")).isNull());
    QCOMPARE(clearStringIfContainsSpacesExclusively(QStringLiteral(" a ")), QStringLiteral(" a "));
    QCOMPARE(clearStringIfContainsSpacesExclusively(QString()), QString());

    QVERIFY(!getApplicationDefinedStyleProperty("vlFont").isValid());
    qApp->setProperty("vlFont", QStringLiteral("DejaVu Sans"));
    qApp->setProperty("vlFontSize", 11);
    QCOMPARE(getApplicationDefinedStyleProperty("vlFont").toString(), QStringLiteral("DejaVu Sans"));
    QCOMPARE(getApplicationDefinedStyleProperty("vlFontSize"), QVariant(11));

    // Every later change is seen at once: a new value, a new type, removal and a return.
    qApp->setProperty("vlFontSize", 14);
    QCOMPARE(getApplicationDefinedStyleProperty("vlFontSize"), QVariant(14));
    qApp->setProperty("vlFontSize", QStringLiteral("9"));
    QCOMPARE(getApplicationDefinedStyleProperty("vlFontSize"), QVariant(QStringLiteral("9")));
    qApp->setProperty("vlFont", QVariant());
    QVERIFY(!getApplicationDefinedStyleProperty("vlFont").isValid());
    qApp->setProperty("vlFont", QStringLiteral("Liberation Serif"));
    QCOMPARE(getApplicationDefinedStyleProperty("vlFont").toString(), QStringLiteral("Liberation Serif"));
    QCOMPARE(getApplicationDefinedStyleProperty("vlFontSize"), QVariant(QStringLiteral("9")));
    // A declared property changes through its setter, without a dynamic-property event.
    QCoreApplication::setApplicationName(QStringLiteral("first"));
    QCOMPARE(getApplicationDefinedStyleProperty("applicationName").toString(), QStringLiteral("first"));
    QCoreApplication::setApplicationName(QStringLiteral("second"));
    QCOMPARE(getApplicationDefinedStyleProperty("applicationName").toString(), QStringLiteral("second"));
    QVERIFY(!getApplicationDefinedStyleProperty(nullptr).isValid());
    QVariant fromWorker;
    std::unique_ptr<QThread> worker(
        QThread::create([&fromWorker] { fromWorker = getApplicationDefinedStyleProperty("vlFont"); }));
    worker->start();
    QVERIFY(worker->wait(5000));
    QCOMPARE(fromWorker.toString(), QStringLiteral("Liberation Serif"));
}

void WidgetsAndFilesTest::message_box()
{
    VLMessageBox box(QMessageBox::Warning, QStringLiteral("Title"), QStringLiteral("Body <b>text</b>"),
                     QMessageBox::Ok | QMessageBox::Cancel);
    QVERIFY(box.textLabel());
    QCOMPARE(box.textLabel()->text(), QStringLiteral("Body <b>text</b>"));
    QVERIFY(!box.textLabel()->openExternalLinks());

    int seen = 0;
    VLMessageBox::setExecInterceptor([&seen](VLMessageBox &shown) {
        ++seen;
        return shown.windowTitle() == QStringLiteral("Title") ? int(QMessageBox::Cancel) : -1;
    });
    const int result = box.exec();
    VLMessageBox::setExecInterceptor({});
    QCOMPARE(seen, 1);
    QCOMPARE(result, int(QMessageBox::Cancel));
}

void WidgetsAndFilesTest::files()
{
    QTemporaryDir temp;
    QVERIFY(temp.isValid());
    const QByteArray previous = qgetenv("TMPDIR");
    qputenv("TMPDIR", QFile::encodeName(temp.path()));
    const std::string directory = FileName::getSystemTempDirectoryPath().toString();
    qputenv("TMPDIR", previous);
    QCOMPARE(QString::fromStdString(directory), QDir::toNativeSeparators(temp.path()) + QDir::separator());

    // Written whole, replacing what was there; refused without a directory to write into.
    const std::string path = directory + "out.bin";
    QVERIFY(FileImportExport::exportFile(FileName(path), {'a', 'b'}));
    QVERIFY(FileImportExport::exportFile(FileName(path), {'x', '\0', 'y'}));
    QFile written(QString::fromStdString(path));
    QVERIFY(written.open(QIODevice::ReadOnly));
    QCOMPARE(written.readAll(), QByteArray("x\0y", 3));
    QVERIFY(!FileImportExport::exportFile(FileName(directory + "missing/out.bin"), {'a'}));

    // The test seam replaces the writer until it is reset.
    std::size_t received = 0;
    FileImportExport::setWriterForTesting([&received](const FileName &, const std::vector<char> &bytes) {
        received = bytes.size();
        return false;
    });
    QVERIFY(!FileImportExport::exportFile(FileName(path), {'1', '2', '3'}));
    FileImportExport::setWriterForTesting({});
    QCOMPARE(received, std::size_t(3));
    QVERIFY(FileImportExport::exportFile(FileName(path), {'z'}));
}

QTEST_MAIN(WidgetsAndFilesTest)
#include "WidgetsAndFilesTest.moc"
