// The stack-built expression must be exactly what the number itself gives, or widths differ.
#include <velmaris/model/ExpressionText.h>
#include <velmaris/number/PropertyNumberConcept.h>

#include "support/PlanObjects.h"

#include <QRandomGenerator>

#include <cmath>
#include <cstring>
#include <limits>

namespace {

const QString notBuilt = QStringLiteral("(not built)");

// The expression of a property holding the value, and the stack-built one.
std::pair<QString, QString> expressions(BaseProperty &property)
{
    const auto number = tryCreatePropertyNumber(&property, "usd", 1.0, false);
    const ExpressionText expression(number->editorVariant(), number->unit());
    return {number->expressionText(), expression.isEmpty() ? notBuilt : expression.view().toString()};
}

} // namespace

class ExpressionTextTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // The edges, any bit pattern, and few significant digits at every scale, where the decimal
    // and the exponent form compete.
    void doubles()
    {
        constexpr double inf = std::numeric_limits<double>::infinity();
        std::vector<double> values{0.0, -0.0, inf, -inf, std::nan(""), -std::nan(""), 1e5, 1e6, 1e-4, 1e-5, 1.5e-5,
                                   0.0001234, 1e16, 1e17, 1e22, 1e100, 1e-100, 99999999999.0, 1.23e9, 12340000.0,
                                   123456789012345678.0, 0.1 + 0.2, std::numeric_limits<double>::max(),
                                   std::numeric_limits<double>::denorm_min(), -123456.75};
        QRandomGenerator random(20261207);
        for (int i = 0; i < 4000; ++i) {
            const quint64 bits = random.generate64();
            std::memcpy(&values.emplace_back(), &bits, sizeof bits);
            const double mantissa = random.bounded(1, 100000) * (random.bounded(2) ? 1 : -1);
            values.push_back(mantissa * std::pow(10.0, random.bounded(-12, 26)));
        }
        for (const char *unit : {"", "mm"}) {
            for (const double value : values) {
                CostPropertyDouble property(key("P"), value, unit);
                const auto [expected, built] = expressions(property);
                QVERIFY2(built == expected, qPrintable(expected + " built as " + built));
            }
        }
    }

    // Integers at their bounds; beyond the stack buffer or beyond ASCII the number's own text is asked for.
    void integers_and_units()
    {
        constexpr int lowest = std::numeric_limits<int>::min();
        constexpr int highest = std::numeric_limits<int>::max();
        for (const auto &[value, unit, built] : {std::tuple{0, std::string("pcs"), true}, {-42, "pcs", true}, {lowest, "", true}, {highest, "s", true},
                                                 {7, std::string(62, 'x'), true}, {7, std::string(63, 'x'), false},
                                                 {7, "\xc2\xb5m", false}, {7, "\x80", false}}) {
            CostPropertyInteger property(key("P"), value, unit, lowest, highest);
            const auto [expected, made] = expressions(property);
            QCOMPARE(made, built ? expected : notBuilt);
        }
    }
};

QTEST_MAIN(ExpressionTextTest)
#include "ExpressionTextTest.moc"
