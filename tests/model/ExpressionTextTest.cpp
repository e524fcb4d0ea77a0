// The stack-built expression must be exactly what the number itself gives, or widths differ.
#include <velmaris/model/ExpressionText.h>
#include <velmaris/number/PropertyNumberConcept.h>

#include "support/PlanObjects.h"

#include <QRandomGenerator>

#include <cmath>
#include <cstring>
#include <limits>

namespace {

using Values = std::vector<double>;

const QString notBuilt = QStringLiteral("(not built)");

// The expression of a property holding the value, and the stack-built one.
std::pair<QString, QString> expressions(BaseProperty &property)
{
    const auto number = tryCreatePropertyNumber(&property, "usd", 1.0, false);
    const ExpressionText expression(number->editorVariant(), number->unit());
    return {number->expressionText(), expression.isEmpty() ? notBuilt : expression.view().toString()};
}

double fromBits(quint64 bits)
{
    double value = 0;
    std::memcpy(&value, &bits, sizeof value);
    return value;
}

} // namespace

Q_DECLARE_METATYPE(Values)

class ExpressionTextTest : public QObject
{
    Q_OBJECT

private slots:
    void doubles_data()
    {
        QTest::addColumn<Values>("values");
        constexpr double inf = std::numeric_limits<double>::infinity();
        QTest::newRow("edges") << Values{0.0, -0.0, inf, -inf, std::nan(""), -std::nan(""), 1e5, 1e6, 1e-4, 1e-5,
                                         1.5e-4, 1.5e-5, 0.0001234, 1e15, 1e16, 1e17, 1e21, 1e22, 1e100, 1e-100,
                                         99999999999.0, 1e10, 1.23e9, 12340000.0, 123456789012345678.0, 0.1 + 0.2,
                                         std::numeric_limits<double>::max(), std::numeric_limits<double>::min(),
                                         std::numeric_limits<double>::denorm_min(), -123456.75};
        QRandomGenerator random(20261207);
        Values patterns;
        Values decimals;
        for (int i = 0; i < 30000; ++i) {
            patterns.push_back(fromBits(random.generate64()));
            // Few significant digits at every scale: where the two forms compete.
            const double mantissa = random.bounded(1, 100000) * (random.bounded(2) ? 1 : -1);
            decimals.push_back(mantissa * std::pow(10.0, random.bounded(-12, 26)));
        }
        QTest::newRow("any bit pattern") << patterns;
        QTest::newRow("short decimals at every scale") << decimals;
    }

    void doubles()
    {
        QFETCH(Values, values);
        for (const char *unit : {"", "mm"}) {
            for (const double value : values) {
                CostPropertyDouble property(key("P"), value, unit);
                const auto [expected, built] = expressions(property);
                QVERIFY2(built == expected, qPrintable(expected + " built as " + built));
            }
        }
    }

    void integers_and_units_data()
    {
        QTest::addColumn<int>("value");
        QTest::addColumn<QByteArray>("unit");
        QTest::addColumn<bool>("built");
        QTest::newRow("zero") << 0 << QByteArray("pcs") << true;
        QTest::newRow("negative") << -42 << QByteArray("pcs") << true;
        QTest::newRow("lowest") << std::numeric_limits<int>::min() << QByteArray() << true;
        QTest::newRow("highest") << std::numeric_limits<int>::max() << QByteArray("s") << true;
        // Beyond the stack buffer or beyond ASCII the number's own text is asked for.
        QTest::newRow("non-ASCII unit") << 7 << QByteArray("\xc2\xb5m") << false;
        QTest::newRow("long unit") << 7 << QByteArray(63, 'x') << false;
        QTest::newRow("unit that just fits") << 7 << QByteArray(62, 'x') << true;
    }

    void integers_and_units()
    {
        QFETCH(int, value);
        QFETCH(QByteArray, unit);
        QFETCH(bool, built);
        CostPropertyInteger property(key("P"), value, unit.toStdString(), std::numeric_limits<int>::min(),
                                     std::numeric_limits<int>::max());
        const auto [expected, made] = expressions(property);
        QCOMPARE(made, built ? expected : notBuilt);
    }
};

QTEST_MAIN(ExpressionTextTest)
#include "ExpressionTextTest.moc"
