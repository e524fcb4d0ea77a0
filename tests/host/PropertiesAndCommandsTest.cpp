#include "host/access/DataBaseControl.h"
#include "host/commands/SetPropertyCommands.h"
#include "host/comparison/ProcessPlanReferenceComparison.h"
#include "host/objects/ProcessLayout.h"
#include "host/property/BaseMultiProperty.h"
#include "host/property/NumericProperties.h"
#include "host/property/ScalarProperties.h"

#include <QtTest>

#include <cmath>

using namespace CCAPIBaseCommon;
using namespace Velmaris;

namespace {

LabelKey key(const std::string &name = "P") { return LabelKey(name, "CAT"); }

BaseMultiProperty multi(int valueType, std::vector<double> values)
{
    return BaseMultiProperty(key(), MultiValuePropertyType, valueType, std::move(values));
}

} // namespace

class PropertiesAndCommandsTest : public QObject
{
    Q_OBJECT

private slots:
    void values_and_states();
    void commands_execute_undo_redo();
    void reference_comparison();
};

void PropertiesAndCommandsTest::values_and_states()
{
    // An edit marks the property modified and gives it a value; a value of another kind is refused.
    CostPropertyDouble length(key(), 2.0, "mm");
    length.setNoValue(true);
    QVERIFY(length.assign(3));
    QCOMPARE(length.getDoubleValue(), 3.0);
    QVERIFY(length.isModified() && !length.hasNoValue());
    QVERIFY(!length.assign(std::string("4")));
    QCOMPARE(length.getDoubleValue(), 3.0);

    CostPropertyInteger count(key(), 1);
    QVERIFY(!count.assign(2.5));
    QVERIFY(!count.isModified());
    QCOMPARE(count.getValue(), 1);

    // The automatic state is the constructed one unless re-marked.
    QVERIFY(length.resetToAutomatic());
    QCOMPARE(length.getDoubleValue(), 2.0);
    QVERIFY(!length.isModified() && !length.hasNoValue());
    length.assign(7.0);
    length.markCurrentStateAutomatic();
    length.assign(8.0);
    length.resetToAutomatic();
    QCOMPARE(length.getDoubleValue(), 7.0);

    // Multi-valued: the active variant is the value; integer variants take whole numbers only.
    auto lots = multi(BaseMultiProperty::IntegerValues, {10, 20, 30});
    lots.setActiveIndex(2);
    QCOMPARE(lots.getNumericValue(), 30.0);
    QCOMPARE(lots.value(), PropertyValue(30));
    QVERIFY(!lots.assign(1.5));
    QVERIFY(lots.assign(40));
    QCOMPARE(lots.values(), (std::vector<double>{10, 20, 40}));
    lots.setActiveIndex(3);
    QVERIFY(std::isnan(lots.getNumericValue()));
    QVERIFY(std::holds_alternative<std::monostate>(lots.value()));
    QVERIFY(!lots.assign(5));
    auto doubles = multi(BaseMultiProperty::DoubleValues, {1.5});
    QVERIFY(doubles.assign(2.25) && doubles.assign(3));
    QCOMPARE(doubles.getNumericValue(), 3.0);

    // Type codes and units.
    CostPropertyEnum choice(key(), {"A"}, 0);
    CostPropertyString text(key(), "t", true);
    CostPropertyBoolean flag(key(), false);
    QCOMPARE(count.getPropertyType(), 0);
    QCOMPARE(length.getPropertyType(), 1);
    QCOMPARE(text.getPropertyType(), 2);
    QCOMPARE(flag.getPropertyType(), 3);
    QCOMPARE(choice.getPropertyType(), 4);
    QCOMPARE(lots.getPropertyType(), 5);
    QCOMPARE(length.getUnit(), std::string("mm"));
    QVERIFY(text.isMultiLine());
    CostPropertyInteger bounded(key(), 5, "pcs", -3, 9);
    QCOMPARE(bounded.getMinAllowedValue(), -3);
    QCOMPARE(bounded.getMaxAllowedValue(), 9);
    QCOMPARE(bounded.getVUnit(), std::string("pcs"));
}

void PropertiesAndCommandsTest::commands_execute_undo_redo()
{
    CCAPIAccess::DataBaseControl labels;
    auto layout = std::make_shared<ProcessLayout>(&labels);

    // Each value command changes its property; undo puts back value and marks exactly.
    CostPropertyString name(key(), "old");
    name.setNoValue(true);
    SetPropertyStringValueCmd rename(layout, &name, "new");
    QVERIFY(!rename.undo());
    QVERIFY(rename.execute());
    QCOMPARE(name.getValue(), std::string("new"));
    QVERIFY(name.isModified() && !name.hasNoValue());
    QVERIFY(rename.undo());
    QCOMPARE(name.getValue(), std::string("old"));
    QVERIFY(!name.isModified() && name.hasNoValue());
    QVERIFY(!rename.undo());
    QVERIFY(rename.redo());
    QCOMPARE(name.getValue(), std::string("new"));

    CostPropertyBoolean flag(key(), false);
    SetPropertyBooleanValueCmd on(layout, &flag, true);
    QVERIFY(on.execute() && flag.getValue());
    CostPropertyInteger count(key(), 1);
    SetPropertyIntegerValueCmd five(layout, &count, 5, false);
    QVERIFY(five.execute());
    QCOMPARE(count.getValue(), 5);

    // keepModifiedState leaves the mark as it was.
    CostPropertyDouble rate(key(), 1.0);
    SetPropertyDoubleValueCmd quiet(layout, &rate, 2.0, true);
    QVERIFY(quiet.execute());
    QCOMPARE(rate.getDoubleValue(), 2.0);
    QVERIFY(!rate.isModified());

    // Commands that do not fit fail and change nothing.
    CostPropertyEnum choice(key(), {"A", "B"}, 0);
    for (int index : {-1, 2}) {
        SetPropertyEnumValueCmd wrong(layout, &choice, index, false);
        QVERIFY(!wrong.execute());
        QVERIFY(!wrong.undo());
        QCOMPARE(choice.getIndexValue(), 0);
    }
    SetPropertyEnumValueCmd second(layout, &choice, 1, false);
    QVERIFY(second.execute());
    QCOMPARE(choice.getIndexValue(), 1);
    SetPropertyDoubleValueCmd onInteger(layout, &count, 2.5, false);
    QVERIFY(!onInteger.execute());
    QCOMPARE(count.getValue(), 5);
    SetPropertyEnumValueCmd onText(layout, &name, 0, false);
    QVERIFY(!onText.execute());
    SetPropertyBooleanValueCmd onNothing(layout, nullptr, true);
    QVERIFY(!onNothing.execute());

    // Back to automatic, and undo brings the edit back.
    rate.assign(9.0);
    SetPropertyToAutoCmd automatic(layout, &rate);
    QVERIFY(automatic.execute());
    QCOMPARE(rate.getDoubleValue(), 1.0);
    QVERIFY(!rate.isModified());
    QVERIFY(automatic.undo());
    QCOMPARE(rate.getDoubleValue(), 9.0);
    QVERIFY(rate.isModified());

    // Descriptions and the defaults of the command base.
    QVERIFY(automatic.getDescription().empty());
    automatic.setDescription("Reset rate");
    QCOMPARE(automatic.getDescription(), std::string("Reset rate"));
    QCOMPARE(automatic.getSpeedRate(), LegacyProgress::Speed::Immediate);
    QVERIFY(automatic.isRedoCapable());
    QCOMPARE(automatic.layout(), layout);
}

void PropertiesAndCommandsTest::reference_comparison()
{
    ProcessPlanReferenceComparison::resetCallCount();
    CostPropertyDouble a(key(), 1.0);
    CostPropertyDouble same(key(), 1.0);
    CostPropertyDouble other(key(), 2.0);
    CostPropertyInteger integerOne(key(), 1);
    bool valueOnly = false;
    QVERIFY(ProcessPlanReferenceComparison::isPropertyEqual(&a, &same, &valueOnly));
    QVERIFY(!valueOnly);
    QVERIFY(!ProcessPlanReferenceComparison::isPropertyEqual(&a, &other, &valueOnly));
    QVERIFY(valueOnly);
    QVERIFY(!ProcessPlanReferenceComparison::isPropertyEqual(&a, &integerOne, &valueOnly));
    QVERIFY(!valueOnly);
    QVERIFY(!ProcessPlanReferenceComparison::isPropertyEqual(&a, nullptr, nullptr));

    // Without a value, values do not count; NaN equals NaN.
    a.setNoValue(true);
    QVERIFY(!ProcessPlanReferenceComparison::isPropertyEqual(&a, &same, nullptr));
    other.setNoValue(true);
    QVERIFY(ProcessPlanReferenceComparison::isPropertyEqual(&a, &other, nullptr));
    CostPropertyDouble nan1(key(), std::nan(""));
    CostPropertyDouble nan2(key(), std::nan(""));
    QVERIFY(ProcessPlanReferenceComparison::isPropertyEqual(&nan1, &nan2, nullptr));
    QCOMPARE(ProcessPlanReferenceComparison::callCount(), 7);
    ProcessPlanReferenceComparison::resetCallCount();
    QCOMPARE(ProcessPlanReferenceComparison::callCount(), 0);
}

QTEST_MAIN(PropertiesAndCommandsTest)
#include "PropertiesAndCommandsTest.moc"
