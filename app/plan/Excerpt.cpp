#include "app/plan/Excerpt.h"

#include <QVector>

#include <limits>

namespace VelmarisEditor {

namespace {

constexpr int s_maximumLength = 60;

QString escapedCodePoint(char32_t c)
{
    switch (c) {
    case '\n': return QStringLiteral("\\n");
    case '\r': return QStringLiteral("\\r");
    case '\t': return QStringLiteral("\\t");
    case '\b': return QStringLiteral("\\b");
    case '\f': return QStringLiteral("\\f");
    default: break;
    }
    // Terminals also break lines at NEL and the Unicode separators.
    if (c < 0x20 || (c >= 0x7f && c <= 0x9f) || c == 0x2028 || c == 0x2029)
        return QStringLiteral("\\u%1").arg(static_cast<uint>(c), 4, 16, QLatin1Char('0'));
    return QString::fromUcs4(&c, 1);
}

QString escapedUpTo(const QString &text, int maximumLength)
{
    QString result;
    for (const char32_t c : text.toUcs4()) {
        const QString piece = escapedCodePoint(c);
        if (result.size() + piece.size() > maximumLength)
            return result + QStringLiteral("…");
        result += piece;
    }
    return result;
}

} // namespace

QString escaped(const QString &text)
{
    return escapedUpTo(text, std::numeric_limits<int>::max());
}

QString excerpt(const QString &text)
{
    return escapedUpTo(text, s_maximumLength);
}

} // namespace VelmarisEditor
