#include <velmaris/widgets/TypedNumber.h>

namespace Velmaris {

namespace {

constexpr int groupSize = 3;

bool isDigit(QChar c) { return c >= QLatin1Char('0') && c <= QLatin1Char('9'); }

// Qt 6 gives a locale's signs and separators as texts, which may be longer than one character.
bool startsAt(const QString &text, int at, const QString &sign)
{
    return !sign.isEmpty() && QStringView(text).mid(at).startsWith(sign);
}

} // namespace

TypedNumber TypedNumber::read(const QString &text, const QLocale &locale, int decimals)
{
    const QString point(locale.decimalPoint());
    const QString group(locale.groupSeparator());
    const QString minus(locale.negativeSign());
    const QString plus(locale.positiveSign());
    // The digits rewritten as the C locale reads them.
    QString plain;
    int at = 0;
    if (startsAt(text, at, minus)) {
        plain += QLatin1Char('-');
        at += minus.size();
    } else if (startsAt(text, at, QStringLiteral("-"))) {
        plain += QLatin1Char('-');
        ++at;
    } else if (startsAt(text, at, plus)) {
        at += plus.size();
    } else if (startsAt(text, at, QStringLiteral("+"))) {
        ++at;
    }

    // Whole digits, in groups of three after the first group separator.
    int run = 0;
    bool grouped = false;
    while (at < text.size() && !startsAt(text, at, point)) {
        if (isDigit(text[at])) {
            plain += text[at++];
            ++run;
            if (grouped && run > groupSize)
                return {NotANumber, 0.0};
        } else if (startsAt(text, at, group) && run > 0 && (grouped ? run == groupSize : run <= groupSize)) {
            at += group.size();
            grouped = true;
            run = 0;
        } else {
            return {NotANumber, 0.0};
        }
    }
    const bool groupOpen = grouped && run < groupSize;
    const bool hasWhole = !plain.isEmpty() && plain != QLatin1String("-");
    if (at == text.size())
        return groupOpen || !hasWhole ? TypedNumber{Partial, 0.0} : TypedNumber{Number, plain.toDouble()};
    if (groupOpen)
        return {NotANumber, 0.0};
    if (decimals == 0)
        return {WholeOnly, 0.0};

    plain += QLatin1Char('.');
    int fraction = 0;
    for (at += point.size(); at < text.size(); ++at) {
        if (!isDigit(text[at]))
            return {NotANumber, 0.0};
        plain += text[at];
        ++fraction;
    }
    if (decimals > 0 && fraction > decimals)
        return {TooManyDecimals, 0.0};
    if (!hasWhole && fraction == 0)
        return {Partial, 0.0};
    return {Number, plain.toDouble()};
}

} // namespace Velmaris
