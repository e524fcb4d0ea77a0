#include <velmaris/widgets/NumberText.h>

#include <algorithm>
#include <cmath>
#include <limits>

namespace Velmaris {

namespace {

constexpr int significantDigits = 15;

// Decimals that show the value to 15 significant digits, trailing zeros dropped.
int shortestDecimals(double value)
{
    if (value == 0.0 || !std::isfinite(value))
        return 0;
    const int exponent = static_cast<int>(std::floor(std::log10(std::abs(value))));
    int decimals = std::max(0, significantDigits - 1 - exponent);
    const double scaled = std::abs(value);
    while (decimals > 0) {
        const double power = std::pow(10.0, decimals - 1);
        if (std::abs(std::round(scaled * power) / power - scaled) > scaled * 1e-15)
            break;
        --decimals;
    }
    return decimals;
}

bool limits(double bound)
{
    return std::abs(bound) < std::numeric_limits<double>::max();
}

} // namespace

QString numberText(double value, int decimals, const QLocale &locale)
{
    return locale.toString(value, 'f', decimals < 0 ? shortestDecimals(value) : decimals);
}

QString rangeText(double minimum, double maximum, int decimals, const QLocale &locale)
{
    if (limits(minimum) && limits(maximum))
        return numberText(minimum, decimals, locale) + QStringLiteral(" – ") + numberText(maximum, decimals, locale);
    if (limits(minimum))
        return QStringLiteral("≥ ") + numberText(minimum, decimals, locale);
    if (limits(maximum))
        return QStringLiteral("≤ ") + numberText(maximum, decimals, locale);
    return {};
}

} // namespace Velmaris
