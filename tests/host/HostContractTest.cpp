// What the library relies on in the host stand-in: exact undo, refused misfits, reference
// equality, the spin-box record's wire form, live style values and translated texts.
#include "host/access/DataBaseControl.h"
#include "host/commands/SetPropertyCommands.h"
#include "host/comparison/ProcessPlanReferenceComparison.h"
#include "host/objects/ProcessLayout.h"
#include "host/property/NumericProperties.h"
#include "host/property/ScalarProperties.h"
#include "host/translation/Translator.h"
#include "host/widgets/StyleHelpers.h"
#include "host/widgets/VLDoubleSpinBoxData.h"

#include "support/OneTextTranslator.h"

#include <QApplication>
#include <QtTest>

#include <cmath>

using namespace CCAPIBaseCommon;
using namespace Velmaris;
using Comparison = ProcessPlanReferenceComparison;

class HostContractTest : public QObject
{
    Q_OBJECT

private slots:
    void commands_undo_exactly_and_refuse_misfits();
    void reference_equality();
    void spin_box_data_travels_by_name_in_a_fixed_order();
    void style_values_follow_every_change();
    void translated_texts_data();
    void translated_texts();
};

void HostContractTest::commands_undo_exactly_and_refuse_misfits()
{
    CCAPIAccess::DataBaseControl labels;
    auto layout = std::make_shared<ProcessLayout>(&labels);
    CostPropertyString name(LabelKey("P", "C"), "old");
    name.setNoValue(true);
    SetPropertyStringValueCmd rename(layout, &name, "new");
    QVERIFY(!rename.undo());
    QVERIFY(rename.execute() && name.isModified() && !name.hasNoValue());
    QVERIFY(rename.undo());
    QCOMPARE(name.getValue(), std::string("old"));
    QVERIFY(!name.isModified() && name.hasNoValue());
    QVERIFY(rename.redo());
    QCOMPARE(name.getValue(), std::string("new"));

    CostPropertyEnum choice(LabelKey("P", "C"), {"A", "B"}, 0);
    CostPropertyInteger count(LabelKey("P", "C"), 5);
    for (const std::shared_ptr<CommandBase> &misfit : std::vector<std::shared_ptr<CommandBase>>{
             std::make_shared<SetPropertyEnumValueCmd>(layout, &choice, 2, false),
             std::make_shared<SetPropertyDoubleValueCmd>(layout, &count, 2.5, false),
             std::make_shared<SetPropertyEnumValueCmd>(layout, &name, 0, false),
             std::make_shared<SetPropertyBooleanValueCmd>(layout, nullptr, true)}) {
        QVERIFY(!misfit->execute());
        QVERIFY(!misfit->undo());
    }
    QCOMPARE(std::make_tuple(choice.getIndexValue(), count.getValue(), choice.isModified()), std::make_tuple(0, 5, false));
}

void HostContractTest::reference_equality()
{
    CostPropertyDouble one(LabelKey("P", "C"), 1.0);
    CostPropertyDouble same(LabelKey("P", "C"), 1.0);
    CostPropertyDouble other(LabelKey("P", "C"), 2.0);
    CostPropertyInteger integerOne(LabelKey("P", "C"), 1);
    QVERIFY(Comparison::isPropertyEqual(&one, &same, nullptr));
    QVERIFY(!Comparison::isPropertyEqual(&one, &other, nullptr));
    QVERIFY(!Comparison::isPropertyEqual(&one, &integerOne, nullptr));
    QVERIFY(!Comparison::isPropertyEqual(&one, nullptr, nullptr));
    // Without a value, values do not count; NaN equals NaN.
    one.setNoValue(true);
    QVERIFY(!Comparison::isPropertyEqual(&one, &same, nullptr));
    other.setNoValue(true);
    QVERIFY(Comparison::isPropertyEqual(&one, &other, nullptr));
    CostPropertyDouble nan1(LabelKey("P", "C"), std::nan(""));
    CostPropertyDouble nan2(LabelKey("P", "C"), std::nan(""));
    QVERIFY(Comparison::isPropertyEqual(&nan1, &nan2, nullptr));
}

void HostContractTest::spin_box_data_travels_by_name_in_a_fixed_order()
{
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
    const QVariant variant(QMetaType::type("VLDoubleSpinBoxData"), &data);
    QCOMPARE(variant.userType(), VLDoubleSpinBoxData::metaTypeId());

    // Streamed inside a variant, each field in its place, keyboard tracking left out.
    QByteArray bytes;
    QDataStream out(&bytes, QIODevice::WriteOnly);
    out << variant;
    QDataStream raw(bytes);
    quint32 type;
    qint8 isNull;
    QByteArray name;
    double minimum, maximum, step, factor;
    qint32 length, decimals, flags;
    QString suffix, prefix, special;
    raw >> type >> isNull >> name >> minimum >> maximum >> step >> length >> decimals >> suffix >> prefix >> special
        >> factor >> flags;
    QVERIFY(raw.status() == QDataStream::Ok && raw.atEnd());
    QCOMPARE(name, QByteArray("VLDoubleSpinBoxData", int(sizeof "VLDoubleSpinBoxData"))); // with its NUL
    QCOMPARE(std::make_tuple(minimum, maximum, step, factor), std::make_tuple(-2.5, 99.0, 0.5, 2.0));
    QCOMPARE(std::make_tuple(length, decimals, flags), std::make_tuple(12, 3, 7));
    QCOMPARE(QStringList({suffix, prefix, special}), QStringList({"mm", "≈", "auto"}));
    QVariant read;
    QDataStream in(bytes);
    in >> read;
    QVERIFY(read == variant && read.value<VLDoubleSpinBoxData>().keyboardTracking);
}

void HostContractTest::style_values_follow_every_change()
{
    QVERIFY(!getApplicationDefinedStyleProperty("vlFont").isValid());
    for (const QVariant &size : {QVariant(11), QVariant(QStringLiteral("9")), QVariant()}) {
        qApp->setProperty("vlFontSize", size);
        QCOMPARE(getApplicationDefinedStyleProperty("vlFontSize"), size);
    }
    // A declared property changes through its setter, without a dynamic-property event.
    for (const QString &name : {QStringLiteral("first"), QStringLiteral("second")}) {
        QCoreApplication::setApplicationName(name);
        QCOMPARE(getApplicationDefinedStyleProperty("applicationName").toString(), name);
    }
}

void HostContractTest::translated_texts_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("filled");
    // The lowest number first, wherever it stands, and every occurrence of it; filled text is
    // never searched again.
    QTest::newRow("translated") << "Size of %1" << QStringList{"Teil"} << "Größe von Teil";
    QTest::newRow("reordered") << "%2 before %1" << QStringList{"one", "two"} << "two before one";
    QTest::newRow("repeated") << "%1 and %1 then %2" << QStringList{"x", "y"} << "x and x then y";
    QTest::newRow("no rescan") << "%1 of %2" << QStringList{"50 %2", "all"} << "50 %2 of all";
    QTest::newRow("two digits") << "%10 %2" << QStringList{"two", "ten"} << "ten two";
    QTest::newRow("lone percent") << "100% of %1" << QStringList{"Maß"} << "100% of Maß";
}

void HostContractTest::translated_texts()
{
    QFETCH(QString, text);
    QFETCH(QStringList, arguments);
    const QByteArray source = text.toUtf8();
    OneTextTranslator german("ctx", "Size of %1", QStringLiteral("Größe von %1"));
    QCoreApplication::installTranslator(&german);
    ArgString result = TranslatorArg::translate("ctx", source.constData());
    QCoreApplication::removeTranslator(&german);
    for (const QString &argument : arguments)
        result = result.arg(argument.toStdString());
    QTEST(QString::fromStdString(result), "filled");
}

QTEST_MAIN(HostContractTest)
#include "HostContractTest.moc"
