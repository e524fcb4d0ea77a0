#include <velmaris/number/PropertyNumberConcept.h>

#include "support/PlanObjects.h"

#include <QFontMetrics>

#include <cmath>
#include <limits>

namespace {

LabelKey key() { return LabelKey("P_Number", "CAT"); }

PropertyPointer real(double value, const std::string &unit, double low = 0.0, double high = 1e6)
{
    return std::make_shared<CostPropertyDouble>(key(), value, unit, low, high);
}

PropertyPointer whole(int value, const std::string &unit, int low = -1000, int high = 1000)
{
    return std::make_shared<CostPropertyInteger>(key(), value, unit, low, high);
}

PropertyPointer multi(int valueType, std::vector<double> values, const std::string &unit)
{
    auto property = std::make_shared<BaseMultiProperty>(key(), MultiValuePropertyType, valueType, values, unit, -1e6, 1e6);
    property->setActiveIndex(int(values.size()) - 1);
    return property;
}

boost::optional<PropertyNumberConcept> number(BaseProperty &property, double rate = 1.0, bool doubled = false,
                                              const std::string &currency = "EUR")
{
    return tryCreatePropertyNumber(&property, currency, rate, doubled);
}

double stored(const BaseProperty &property)
{
    return std::visit([](const auto &v) -> double {
        if constexpr (std::is_arithmetic_v<std::decay_t<decltype(v)>>)
            return v;
        return std::nan("");
    }, property.value());
}

} // namespace

class NumberConceptTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void readings_data()
    {
        QTest::addColumn<PropertyPointer>("property");
        QTest::addColumn<double>("rate");
        QTest::addColumn<bool>("doubled");
        QTest::addColumn<QString>("unit");
        QTest::addColumn<int>("editorType");
        QTest::addColumn<double>("editor");
        QTest::addColumn<int>("decimals");
        QTest::addColumn<double>("min");
        QTest::addColumn<double>("max");
        QTest::addColumn<bool>("outside");
        QTest::addColumn<QString>("text");
        const int d = QMetaType::Double;
        const int i = QMetaType::Int;
        const int intMax = std::numeric_limits<int>::max();
        const double nan = std::nan("");
        // Only "usd" exactly marks a price, shown in the given currency.
        QTest::newRow("price") << real(10.0, "usd", 1.0, 20.0) << 2.0 << false << "EUR" << d << 20.0 << 2 << 2.0 << 40.0 << false << "20.00";
        QTest::newRow("USD is a unit") << real(10.0, "USD", 1.0, 20.0) << 2.0 << false << "USD" << d << 10.0 << 2 << 1.0 << 20.0 << false << "10.00";
        QTest::newRow("usd and a blank") << real(10.0, "usd ") << 2.0 << false << "usd " << d << 10.0 << 2 << 0.0 << 1e6 << false << "10.00";
        // Price decimals: two up to 1000.0 inclusive, none above.
        QTest::newRow("price of 1000") << real(100.0, "usd") << 10.0 << false << "EUR" << d << 1000.0 << 2 << 0.0 << 1e7 << false << "1000.00";
        QTest::newRow("price above 1000") << real(100.07, "usd") << 10.0 << false << "EUR" << d << 1000.7 << 0 << 0.0 << 1e7 << false << "1001";
        QTest::newRow("negative price") << real(-5000.0, "usd", -1e4) << 1.0 << false << "EUR" << d << -5000.0 << 2 << -1e4 << 1e6 << false << "-5000.00";
        QTest::newRow("large plain") << real(5000.0, "mm") << 1.0 << false << "mm" << d << 5000.0 << 2 << 0.0 << 1e6 << false << "5000.00";
        QTest::newRow("doubled") << real(4.0, "mm", 1.0, 5.0) << 1.0 << true << "mm" << d << 8.0 << 2 << 2.0 << 10.0 << false << "8.00";
        // Inside means from min to max inclusive; no value at all is never outside.
        QTest::newRow("at min") << real(1.0, "mm", 1.0, 5.0) << 1.0 << false << "mm" << d << 1.0 << 2 << 1.0 << 5.0 << false << "1.00";
        QTest::newRow("at max") << real(5.0, "mm", 1.0, 5.0) << 1.0 << false << "mm" << d << 5.0 << 2 << 1.0 << 5.0 << false << "5.00";
        QTest::newRow("below") << real(0.999, "mm", 1.0, 5.0) << 1.0 << false << "mm" << d << 0.999 << 2 << 1.0 << 5.0 << true << "1.00";
        QTest::newRow("above") << real(5.001, "mm", 1.0, 5.0) << 1.0 << false << "mm" << d << 5.001 << 2 << 1.0 << 5.0 << true << "5.00";
        QTest::newRow("empty multi") << multi(BaseMultiProperty::DoubleValues, {}, "mm") << 1.0 << false << "mm" << d << nan << 2 << -1e6 << 1e6 << false << "nan";
        // Integers: no decimals, editor value an int, truncated toward zero and saturated.
        QTest::newRow("integer doubled") << whole(7, "pcs") << 1.0 << true << "pcs" << i << 14.0 << 0 << -2000.0 << 2000.0 << false << "14";
        QTest::newRow("integer price") << whole(5, "usd") << 0.58 << false << "EUR" << i << 2.0 << 0 << -580.0 << 580.0 << false << "3";
        QTest::newRow("negative integer price") << whole(-5, "usd") << 0.58 << false << "EUR" << i << -2.0 << 0 << -580.0 << 580.0 << false << "-3";
        QTest::newRow("integer price doubled") << whole(3, "usd", -1, 4) << 1.5 << true << "EUR" << i << 9.0 << 0 << -3.0 << 12.0 << false << "9";
        QTest::newRow("saturated high") << whole(intMax, "usd", 0, intMax) << 10.0 << false << "EUR" << i << double(intMax) << 0 << 0.0 << intMax * 10.0 << false << "21474836470";
        QTest::newRow("saturated low") << whole(intMax, "usd", 0, intMax) << -10.0 << false << "EUR" << i << double(std::numeric_limits<int>::min()) << 0 << 0.0 << intMax * -10.0 << true << "-21474836470";
        QTest::newRow("multi double price") << multi(BaseMultiProperty::DoubleValues, {4.0}, "usd") << 0.5 << false << "EUR" << d << 2.0 << 2 << -5e5 << 5e5 << false << "2.00";
        QTest::newRow("multi integer") << multi(BaseMultiProperty::IntegerValues, {1.0, 4.0}, "pcs") << 0.5 << false << "pcs" << i << 4.0 << 0 << -1e6 << 1e6 << false << "4";
        QTest::newRow("empty multi integer") << multi(BaseMultiProperty::IntegerValues, {}, "pcs") << 1.0 << false << "pcs" << i << 0.0 << 0 << -1e6 << 1e6 << false << "nan";
    }

    void readings()
    {
        QFETCH(PropertyPointer, property);
        QFETCH(double, rate);
        QFETCH(bool, doubled);
        const auto concept = number(*property, rate, doubled);
        QVERIFY(concept);
        QTEST(QString::fromStdString(concept->unit()), "unit");
        QTEST(concept->editorVariant().userType(), "editorType");
        QTEST(concept->editorVariant().toDouble(), "editor");
        QTEST(concept->decimals(), "decimals");
        QTEST(concept->min(), "min");
        QTEST(concept->max(), "max");
        QTEST(concept->outOfBounds(), "outside");
        QTEST(concept->getConvertedValue(), "text");
    }

    void not_numbers()
    {
        // The other kinds, a multi-property of other values, a class not matching its code.
        CostPropertyString text(key(), "12");
        CostPropertyBoolean flag(key(), true);
        CostPropertyEnum choice(key(), {"A", "B"}, 1);
        BaseMultiProperty strange(key(), MultiLotPropertyType, 2, {1.0});
        FixedProperty impostor(DoublePropertyType, 1.0);
        for (BaseProperty *property : std::initializer_list<BaseProperty *>{&text, &flag, &choice, &strange, &impostor})
            QVERIFY(!number(*property));
    }

    void commands_data()
    {
        QTest::addColumn<PropertyPointer>("property");
        QTest::addColumn<double>("rate");
        QTest::addColumn<bool>("doubled");
        QTest::addColumn<QVariant>("entered");
        QTest::addColumn<double>("stored");
        QTest::addColumn<QString>("description");
        // A price entered in the display currency is stored in its own; the text shows what was entered.
        QTest::newRow("price") << real(10.0, "usd") << 2.0 << false << QVariant(50.0) << 25.0 << "Change Rate of Milling to 50 CHF";
        QTest::newRow("integer price") << whole(0, "usd") << 3.0 << false << QVariant(10) << 3.0 << "Change Rate of Milling to 10 CHF";
        QTest::newRow("negative integer price") << whole(0, "usd") << 3.0 << false << QVariant(-10) << -3.0 << "Change Rate of Milling to -10 CHF";
        QTest::newRow("multi integer price") << multi(BaseMultiProperty::IntegerValues, {0.0}, "usd") << 4.0 << false << QVariant(10) << 2.0
                                             << "Change Rate of Milling to 10 CHF";
        // Plain numbers store what was entered, even on a doubled row; text that is no number stores 0.
        QTest::newRow("plain text") << real(1.0, "mm") << 2.0 << false << QVariant(QStringLiteral("12.25")) << 12.25 << "Change Rate of Milling to 12.25 mm";
        QTest::newRow("no number") << real(1.0, "mm") << 1.0 << false << QVariant(QStringLiteral("abc")) << 0.0 << "Change Rate of Milling to 0 mm";
        QTest::newRow("doubled multi") << multi(BaseMultiProperty::DoubleValues, {1.0, 2.0}, "mm") << 1.0 << true << QVariant(7.5) << 7.5
                                       << "Change Rate of Milling to 7.5 mm";
    }

    void commands()
    {
        QFETCH(PropertyPointer, property);
        QFETCH(double, rate);
        QFETCH(bool, doubled);
        QFETCH(QVariant, entered);
        CCAPIAccess::DataBaseControl labels;
        labels.setLabel("P_Number", "Rate");
        labels.setLabel("OP", "Milling");
        CCAPIProcessLayout::TSObject owner("OP");
        property->setOwnerObject(&owner);
        const auto layout = std::make_shared<ProcessLayout>(&labels);
        const double before = stored(*property);

        const auto command = number(*property, rate, doubled, "CHF")->createPropertyChangedCommand(entered, {}, layout);
        QVERIFY(command);
        QVERIFY(dynamic_cast<SetPropertyDoubleValueCmd *>(command.get()) || dynamic_cast<SetPropertyIntegerValueCmd *>(command.get()));
        QTEST(QString::fromStdString(command->getDescription()), "description");
        QCOMPARE(stored(*property), before);
        QVERIFY(command->execute());
        QTEST(stored(*property), "stored");
        QVERIFY(property->isModified());
        QVERIFY(command->undo());
        QCOMPARE(stored(*property), before);
    }

    void no_command_without_a_usable_rate()
    {
        CCAPIAccess::DataBaseControl labels;
        const auto layout = std::make_shared<ProcessLayout>(&labels);
        CostPropertyDouble price(key(), 10.0, "usd");
        for (double rate : {0.0, -1.0, std::nan(""), std::numeric_limits<double>::infinity()})
            QVERIFY(!number(price, rate)->createPropertyChangedCommand(5.0, {}, layout));
    }

    void copies_share_the_property()
    {
        CostPropertyDouble length(key(), 1.0, "mm", 0.0, 2.0);
        CostPropertyInteger count(key(), 4, "pcs");
        const PropertyNumberConcept original = *number(length);
        PropertyNumberConcept copy = original;
        length.assign(3.0);
        QVERIFY(copy.outOfBounds() && original.outOfBounds());
        copy = *number(count);
        QCOMPARE(copy.editorVariant(), QVariant(4));
        QCOMPARE(original.editorVariant(), QVariant(3.0));
    }

    void expression_text_and_width()
    {
        // The editor value in the variant's own text, a blank, the unit.
        const QFontMetrics metrics(QFont(QStringLiteral("DejaVu Sans"), 12));
        CostPropertyInteger count(key(), 42, "pcs", 0, 100);
        QCOMPARE(number(count)->expressionLength(metrics), metrics.horizontalAdvance(QStringLiteral("42 pcs")));
        CostPropertyDouble bare(key(), 12.5);
        QCOMPARE(number(bare)->expressionText(), QStringLiteral("12.5 "));
        CostPropertyDouble thin(key(), 0.25, "\xc2\xb5m");
        QCOMPARE(number(thin)->expressionText(), QStringLiteral("0.25 \u00b5m"));
    }
};

QTEST_MAIN(NumberConceptTest)
#include "NumberConceptTest.moc"
