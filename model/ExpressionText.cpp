#include <velmaris/model/ExpressionText.h>

#include <algorithm>
#include <charconv>
#include <cmath>

namespace Velmaris {

namespace {

bool isAscii(std::string_view text)
{
    return std::all_of(text.begin(), text.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

} // namespace

ExpressionText::ExpressionText(const QVariant &editorValue, const std::string &unit)
{
    if (!appendNumber(editorValue) || !append(" ") || !isAscii(unit) || !append(unit))
        m_size = 0;
}

bool ExpressionText::appendNumber(const QVariant &value)
{
    if (value.userType() == QMetaType::Int) {
        char digits[16];
        const auto written = std::to_chars(digits, digits + sizeof digits, value.toInt());
        return append({digits, static_cast<std::size_t>(written.ptr - digits)});
    }
    if (value.userType() == QMetaType::Double)
        return appendDouble(value.toDouble());
    return false;
}

// Qt's shortest 'g' form: the round-trip digits in decimal notation unless the exponent form
// is shorter, counted as Qt counts it; zero never signed; "inf", "-inf" and "nan" as they are.
bool ExpressionText::appendDouble(double value)
{
    char text[40];
    if (std::isnan(value))
        return append("nan");
    if (std::isinf(value))
        return append(value < 0 ? "-inf" : "inf");
    if (value == 0.0)
        return append("0");
    const auto written = std::to_chars(text, text + sizeof text, std::abs(value), std::chars_format::scientific);
    // "d[.ddd]e±x": the significant digits and the exponent of the first one.
    const char *const exponentMark = std::find(text, written.ptr, 'e');
    char digits[24];
    int count = 0;
    for (const char *c = text; c != exponentMark; ++c) {
        if (*c != '.')
            digits[count++] = *c;
    }
    const char *exponentDigits = exponentMark + 1;
    const bool negativeExponent = *exponentDigits == '-';
    int exponentValue = 0;
    std::from_chars(exponentDigits + 1, written.ptr, exponentValue); // past the sign to_chars always writes
    const int decimalPoint = (negativeExponent ? -exponentValue : exponentValue) + 1; // digits before the point
    // The exponent form below 1e-4, and above where it is shorter: its "e+dd" against the zeros
    // and the point the decimal form needs. With at most 17 digits a wider exponent never
    // decides, being past that length anyway.
    const int decimalLength = count + 5 + (count > decimalPoint ? 1 : 0);
#if QT_VERSION >= QT_VERSION_CHECK(6, 0, 0)
    // Qt 6 counts that a single digit's exponent form has no point: it wins one place sooner
    // on either side ("1e-04", "1e+05").
    const int pointless = count == 1 ? 1 : 0;
#else
    const int pointless = 0;
#endif
    char shown[40];
    char *out = shown;
    if (value < 0)
        *out++ = '-';
    if (decimalPoint != count && (decimalPoint <= -4 + pointless || decimalPoint > decimalLength - pointless)) {
        *out++ = digits[0];
        if (count > 1) {
            *out++ = '.';
            out = std::copy(digits + 1, digits + count, out);
        }
        const int exponent = decimalPoint - 1;
        *out++ = 'e';
        *out++ = exponent < 0 ? '-' : '+';
        if (std::abs(exponent) < 10)
            *out++ = '0';
        out = std::to_chars(out, shown + sizeof shown, std::abs(exponent)).ptr;
    } else if (decimalPoint <= 0) {
        *out++ = '0';
        *out++ = '.';
        out = std::fill_n(out, -decimalPoint, '0');
        out = std::copy(digits, digits + count, out);
    } else if (decimalPoint < count) {
        out = std::copy(digits, digits + decimalPoint, out);
        *out++ = '.';
        out = std::copy(digits + decimalPoint, digits + count, out);
    } else {
        out = std::copy(digits, digits + count, out);
        out = std::fill_n(out, decimalPoint - count, '0');
    }
    return append({shown, static_cast<std::size_t>(out - shown)});
}

bool ExpressionText::append(std::string_view text)
{
    if (text.size() > m_chars.size() - static_cast<std::size_t>(m_size))
        return false;
    for (const char c : text)
        m_chars[static_cast<std::size_t>(m_size++)] = QLatin1Char(c);
    return true;
}

} // namespace Velmaris
