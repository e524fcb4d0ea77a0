#include <velmaris/widgets/TypedNumber.h>

namespace Velmaris {

namespace {

constexpr int groupSize = 3;

bool isDigit(QChar c) { return c >= QLatin1Char('0') && c <= QLatin1Char('9'); }

} // namespace

TypedNumber TypedNumber::read(const QString &text, const QLocale &locale, int decimals)
{
    const QChar point = locale.decimalPoint();
    const QChar group = locale.groupSeparator();
    // The digits rewritten as the C locale reads them.
    QString plain;
    int at = 0;
    if (at < text.size() && (text[at] == locale.negativeSign() || text[at] == QLatin1Char('-'))) {
        plain += QLatin1Char('-');
        ++at;
    } else if (at < text.size() && (text[at] == locale.positiveSign() || text[at] == QLatin1Char('+'))) {
        ++at;
    }

    // Whole digits, in groups of three after the first group separator.
    int run = 0;
    bool grouped = false;
    for (; at < text.size() && text[at] != point; ++at) {
        if (isDigit(text[at])) {
            plain += text[at];
            ++run;
            if (grouped && run > groupSize)
                return {NotANumber, 0.0};
        } else if (text[at] == group && run > 0 && (grouped ? run == groupSize : run <= groupSize)) {
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
    for (++at; at < text.size(); ++at) {
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
