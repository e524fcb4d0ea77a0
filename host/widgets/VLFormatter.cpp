#include <velmaris/host/widgets/VLFormatter.h>

#include <QLocale>

#include <algorithm>

namespace Velmaris {

namespace {

QLocale localeFor(bool groupDigits)
{
    QLocale locale;
    locale.setNumberOptions(groupDigits ? QLocale::DefaultNumberOptions
                                        : QLocale::OmitGroupSeparator);
    return locale;
}

} // namespace

VLFormatter::VLFormatter(QObject *parent)
    : QObject(parent)
{
}

VLFormatter::~VLFormatter() = default;

void VLFormatter::setDecimals(int decimals)
{
    m_decimals = std::max(0, decimals);
}

QString VLFormatter::textFromValue(double value, bool groupDigits) const
{
    return localeFor(groupDigits).toString(value, 'f', m_decimals);
}

QString VLFormatter::toString(double value, const QString &unit, bool shortest)
{
    const QLocale locale = localeFor(false);
    const QString number = shortest ? locale.toString(value, 'g', 15) : locale.toString(value, 'f', 2);
    return unit.isEmpty() ? number : number + QLatin1Char(' ') + unit;
}

} // namespace Velmaris
