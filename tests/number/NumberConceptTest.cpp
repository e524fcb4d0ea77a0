#include "number/PropertyNumberConcept.h"

#include "host/access/DataBaseControl.h"
#include "host/commands/SetPropertyCommands.h"
#include "host/objects/ProcessLayout.h"
#include "host/objects/TSObject.h"
#include "host/property/BaseMultiProperty.h"
#include "host/property/NumericProperties.h"
#include "host/property/ScalarProperties.h"

#include <QFontMetrics>
#include <QtTest>

#include <cmath>
#include <limits>

using namespace CCAPIBaseCommon;
using namespace Velmaris;

namespace {

LabelKey key(const std::string &name = "P_Number") { return LabelKey(name, "CAT"); }

boost::optional<PropertyNumberConcept> number(BaseProperty &property, double rate = 1.0,
                                              bool doubled = false, const std::string &currency = "EUR")
{
    return tryCreatePropertyNumber(&property, currency, rate, doubled);
}

BaseMultiProperty multi(int valueType, std::vector<double> values, const std::string &unit = {})
{
    return BaseMultiProperty(key(), MultiValuePropertyType, valueType, std::move(values), unit);
}

// Claims to be a double property without being one.
class ImpostorProperty : public BaseProperty
{
public:
    ImpostorProperty() : BaseProperty(LabelKey("P_Fake", "CAT")) {}
    int getPropertyType() const override { return DoublePropertyType; }
    PropertyValue value() const override { return 1.0; }

protected:
    bool store(const PropertyValue &) override { return false; }
};

// Everything a command made by a number needs around it.
struct Plan
{
    Plan()
    {
        labels.setLabel("P_Number", "Rate");
        labels.setLabel("OP", "Milling");
    }
    CCAPIAccess::DataBaseControl labels;
    CCAPIProcessLayout::TSObject owner{"OP"};
    std::shared_ptr<ProcessLayout> layout = std::make_shared<ProcessLayout>(&labels);

    std::shared_ptr<CommandBase> edit(const PropertyNumberConcept &concept, const QVariant &value)
    {
        return concept.createPropertyChangedCommand(value, {}, layout);
    }
};

} // namespace

class NumberConceptTest : public QObject
{
    Q_OBJECT

private slots:
    void model_choice();
    void converted_numbers();
    void bounds_and_doubling();
    void commands();
    void copies_share_the_property();
    void spin_box_data_and_text();
};

void NumberConceptTest::model_choice()
{
    // Only "usd" exactly marks a price: it is shown in the given currency.
    CostPropertyDouble price(key(), 10.0, "usd");
    QCOMPARE(number(price, 2.0)->unit(), std::string("EUR"));
    QCOMPARE(number(price, 2.0)->editorVariant().toDouble(), 20.0);
    for (const std::string unit : {"USD", "usd ", "us", "usdx"}) {
        CostPropertyDouble plain(key(), 10.0, unit);
        QCOMPARE(number(plain, 2.0)->unit(), unit);
        QCOMPARE(number(plain, 2.0)->editorVariant().toDouble(), 10.0);
    }

    // Integers test their value unit, multi-properties their own unit.
    CostPropertyInteger integerPrice(key(), 10, "usd");
    QCOMPARE(number(integerPrice, 3.0, false, "CHF")->unit(), std::string("CHF"));
    auto multiPrice = multi(BaseMultiProperty::DoubleValues, {4.0}, "usd");
    QCOMPARE(number(multiPrice, 0.5)->editorVariant().toDouble(), 2.0);
    auto multiPlain = multi(BaseMultiProperty::IntegerValues, {4.0}, "pcs");
    QCOMPARE(number(multiPlain, 0.5)->unit(), std::string("pcs"));
    QCOMPARE(number(multiPlain)->editorVariant().userType(), int(QMetaType::Int));

    // Not numbers: the other kinds, a multi-property of other values, a class not matching its code.
    CostPropertyString text(key(), "12");
    CostPropertyBoolean flag(key(), true);
    CostPropertyEnum choice(key(), {"A", "B"}, 1);
    auto strange = multi(2, {1.0});
    ImpostorProperty impostor;
    QVERIFY(!number(text));
    QVERIFY(!number(flag));
    QVERIFY(!number(choice));
    QVERIFY(!number(strange));
    QVERIFY(!number(impostor));
}

void NumberConceptTest::converted_numbers()
{
    // Price decimals: two up to 1000.0 inclusive, none above.
    CostPropertyDouble price(key(), 100.0, "usd");
    QCOMPARE(number(price, 10.0)->editorVariant().toDouble(), 1000.0);
    QCOMPARE(number(price, 10.0)->decimals(), 2);
    CostPropertyDouble above(key(), 100.001, "usd");
    QCOMPARE(number(above, 10.0)->decimals(), 0);
    CostPropertyDouble negative(key(), -5000.0, "usd");
    QCOMPARE(number(negative, 1.0)->decimals(), 2);
    CostPropertyDouble plain(key(), 5000.0, "mm");
    QCOMPARE(number(plain)->decimals(), 2);

    // Integers: no decimals, editor value an int truncated toward zero.
    CostPropertyInteger seven(key(), 7);
    QCOMPARE(number(seven, 1.0, true)->editorVariant(), QVariant(14));
    QCOMPARE(number(seven, 1.0, true)->decimals(), 0);
    CostPropertyInteger five(key(), 5, "usd");
    QCOMPARE(number(five, 0.5)->editorVariant(), QVariant(2));
    CostPropertyInteger minusFive(key(), -5, "usd");
    QCOMPARE(number(minusFive, 0.58)->editorVariant(), QVariant(-2));
    QCOMPARE(number(minusFive, 0.58)->decimals(), 0);

    // Beyond int the editor value saturates; no value at all (NaN) gives 0.
    CostPropertyInteger huge(key(), std::numeric_limits<int>::max(), "usd");
    QCOMPARE(number(huge, 10.0)->editorVariant(), QVariant(std::numeric_limits<int>::max()));
    QCOMPARE(number(huge, -10.0)->editorVariant(), QVariant(std::numeric_limits<int>::min()));
    auto empty = multi(BaseMultiProperty::IntegerValues, {});
    QCOMPARE(number(empty)->editorVariant(), QVariant(0));
    auto emptyDouble = multi(BaseMultiProperty::DoubleValues, {});
    QVERIFY(std::isnan(number(emptyDouble)->editorVariant().toDouble()));
    QCOMPARE(number(emptyDouble)->decimals(), 2);
}

void NumberConceptTest::bounds_and_doubling()
{
    CostPropertyDouble length(key(), 4.0, "mm", 1.0, 5.0);
    QCOMPARE(number(length)->min(), 1.0);
    QCOMPARE(number(length)->max(), 5.0);
    QCOMPARE(number(length, 1.0, true)->min(), 2.0);
    QCOMPARE(number(length, 1.0, true)->max(), 10.0);
    QCOMPARE(number(length, 1.0, true)->editorVariant().toDouble(), 8.0);

    // Prices convert their bounds too, after doubling.
    CostPropertyInteger cost(key(), 3, "usd", -1, 4);
    QCOMPARE(number(cost, 1.5, true)->min(), -3.0);
    QCOMPARE(number(cost, 1.5, true)->max(), 12.0);

    // Inside means from min to max inclusive; NaN is never outside.
    const auto outside = [](double value) {
        CostPropertyDouble p(key(), value, "mm", 1.0, 5.0);
        return number(p)->outOfBounds();
    };
    QVERIFY(!outside(1.0));
    QVERIFY(!outside(5.0));
    QVERIFY(outside(0.999));
    QVERIFY(outside(5.001));
    QVERIFY(!outside(std::nan("")));
}

void NumberConceptTest::commands()
{
    Plan plan;

    // A price entered in the display currency is stored in its own; the text shows what was entered.
    CostPropertyDouble price(key(), 10.0, "usd");
    price.setOwnerObject(&plan.owner);
    auto command = plan.edit(*number(price, 2.0), 50.0);
    QVERIFY(dynamic_cast<SetPropertyDoubleValueCmd *>(command.get()));
    QCOMPARE(command->getDescription(), std::string("Change Rate of Milling to 50 EUR"));
    QVERIFY(command->execute());
    QCOMPARE(price.getDoubleValue(), 25.0);
    QVERIFY(price.isModified());
    QVERIFY(command->undo());
    QCOMPARE(price.getDoubleValue(), 10.0);
    QVERIFY(!price.isModified());

    // Integer prices store the quotient truncated toward zero.
    const auto storedInteger = [&](BaseProperty &property, double rate, int entered) {
        auto cmd = plan.edit(*number(property, rate, false, "CHF"), entered);
        cmd->execute();
        return std::make_pair(std::get<int>(property.value()), cmd->getDescription());
    };
    CostPropertyInteger integerPrice(key(), 0, "usd");
    integerPrice.setOwnerObject(&plan.owner);
    QCOMPARE(storedInteger(integerPrice, 3.0, 10), std::make_pair(3, std::string("Change Rate of Milling to 10 CHF")));
    QCOMPARE(storedInteger(integerPrice, 3.0, -10).first, -3);
    auto multiPrice = multi(BaseMultiProperty::IntegerValues, {0.0}, "usd");
    multiPrice.setOwnerObject(&plan.owner);
    QCOMPARE(storedInteger(multiPrice, 4.0, 10), std::make_pair(2, std::string("Change Rate of Milling to 10 CHF")));

    // Plain numbers store what was entered, in their own unit; text that is no number stores 0.
    CostPropertyDouble length(key(), 1.0, "mm");
    length.setOwnerObject(&plan.owner);
    auto lengthCommand = plan.edit(*number(length), QStringLiteral("12.25"));
    QCOMPARE(lengthCommand->getDescription(), std::string("Change Rate of Milling to 12.25 mm"));
    QVERIFY(lengthCommand->execute());
    QCOMPARE(length.getDoubleValue(), 12.25);
    QVERIFY(plan.edit(*number(length), QStringLiteral("abc"))->execute());
    QCOMPARE(length.getDoubleValue(), 0.0);
    auto multiDouble = multi(BaseMultiProperty::DoubleValues, {1.0, 2.0});
    multiDouble.setActiveIndex(1).setOwnerObject(&plan.owner);
    QVERIFY(plan.edit(*number(multiDouble, 1.0, true), 7.5)->execute());
    QCOMPARE(multiDouble.values(), (std::vector<double>{1.0, 7.5}));

    // Without a usable rate a price edit has no stored equivalent.
    for (double rate : {0.0, -1.0, std::nan(""), std::numeric_limits<double>::infinity()})
        QVERIFY(!plan.edit(*number(price, rate), 5.0));
}

void NumberConceptTest::copies_share_the_property()
{
    CostPropertyDouble length(key(), 1.0, "mm", 0.0, 2.0);
    const PropertyNumberConcept original = *number(length);
    PropertyNumberConcept copy = original;
    length.assign(3.0);
    QCOMPARE(copy.editorVariant().toDouble(), 3.0);
    QCOMPARE(original.editorVariant().toDouble(), 3.0);
    QVERIFY(copy.outOfBounds());

    CostPropertyInteger count(key(), 4, "pcs");
    PropertyNumberConcept other = *number(count);
    copy = other;
    copy = copy;
    QCOMPARE(copy.unit(), std::string("pcs"));
    PropertyNumberConcept moved = std::move(other);
    QCOMPARE(moved.editorVariant(), QVariant(4));
    moved = std::move(copy);
    QCOMPARE(moved.decimals(), 0);
    QCOMPARE(original.unit(), std::string("mm"));
}

void NumberConceptTest::spin_box_data_and_text()
{
    CostPropertyDouble length(key(), 4.0, "mm", 0.0, 10.0);
    const VLDoubleSpinBoxData data = number(length)->calculateSpinBoxData();
    QCOMPARE(data.minimum, 0.0);
    QCOMPARE(data.maximum, 10.0);
    QCOMPARE(data.decimals, 2);
    QCOMPARE(data.suffix, QStringLiteral("mm"));
    QCOMPARE(data.singleStep, 1.0);
    QCOMPARE(data.maximumLength, -1);
    QCOMPARE(data.displayFactor, 1.0);
    QCOMPARE(data.flags, 0);
    QVERIFY(data.keyboardTracking);
    QVERIFY(data.prefix.isEmpty() && data.specialValueText.isEmpty());
    CostPropertyInteger count(key(), 42, "pcs", 0, 100);
    QCOMPARE(number(count)->calculateSpinBoxData().decimals, 0);

    // The editor value in the variant's own text, a blank, the unit.
    const QFontMetrics metrics(QFont(QStringLiteral("DejaVu Sans"), 12));
    QCOMPARE(number(count)->expressionLength(metrics), metrics.horizontalAdvance(QStringLiteral("42 pcs")));
    CostPropertyDouble bare(key(), 12.5);
    QCOMPARE(number(bare)->expressionLength(metrics), metrics.horizontalAdvance(QStringLiteral("12.5 ")));
    QVERIFY(number(bare)->expressionLength(metrics) > metrics.horizontalAdvance(QStringLiteral("12.5")));

    // Formatted with the number's decimals, without unit.
    CostPropertyDouble price(key(), 100.07, "usd");
    QCOMPARE(number(price, 10.0)->getConvertedValue(), QStringLiteral("1001"));
    CostPropertyDouble cheaper(key(), 99.95, "usd");
    QCOMPARE(number(cheaper, 10.0)->getConvertedValue(), QStringLiteral("999.50"));
    QCOMPARE(number(count, 1.0, true)->getConvertedValue(), QStringLiteral("84"));
}

QTEST_MAIN(NumberConceptTest)
#include "NumberConceptTest.moc"
