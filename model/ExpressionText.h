#pragma once

#include <QStringView>
#include <QVariant>

#include <array>
#include <string>
#include <string_view>

namespace Velmaris {

// What PropertyNumberConcept::expressionText() gives for an editor value and a unit, made on
// the stack: a fill measures one per number, and Qt's conversions allocate three times for
// it. std::to_chars finds the shortest digits, laid out as QVariant::toString() lays out its
// shortest form. Empty when the value is neither an int nor a double, or the unit is not
// ASCII or too long: the caller then asks expressionText() itself.
// Internal: neither installed nor exported; its test compiles it in.
class ExpressionText
{
public:
    ExpressionText(const QVariant &editorValue, const std::string &unit);

    bool isEmpty() const { return m_size == 0; }
    QStringView view() const { return QStringView(m_chars.data(), m_size); }

private:
    bool appendNumber(const QVariant &value);
    bool appendDouble(double value);
    bool append(std::string_view text);

    std::array<QChar, 64> m_chars;
    int m_size = 0;
};

} // namespace Velmaris
