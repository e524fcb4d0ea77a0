#pragma once

#include <velmaris/velmaris_export.h>

#include <QFont>
#include <QFontMetrics>
#include <QHash>
#include <QString>
#include <QVariant>

#include <cstdint>
#include <optional>
#include <string>
#include <unordered_map>

namespace Velmaris {

// The application font that value widths are measured in. The metrics are built only when a
// width is not known yet, and again only after the family or point size changes. Widths are
// remembered per font for the whole thread, so a model made anew does not measure again.
// Internal, never installed; exported only so that its own test can link it.
class VELMARIS_EXPORT MeasuringFont
{
public:
    // Follows the style values as they are now.
    void follow(const QVariant &family, const QVariant &pointSize);
    // Width in pixels of the text in the current font; follow() must have run first.
    int width(const QString &text);
    // Width of the text writeText() makes of a number and its unit, remembered under the
    // number and unit, so that a value seen before costs neither writing nor measuring.
    template <typename WriteText>
    int width(const QVariant &number, const std::string &unit, WriteText writeText);

    struct NumberKey
    {
        int type;
        std::uint64_t bits; // exact, so that 0 and -0 (written differently) stay apart
        std::string unit;
        bool operator==(const NumberKey &other) const
        {
            return type == other.type && bits == other.bits && unit == other.unit;
        }
    };
    struct NumberKeyHash
    {
        std::size_t operator()(const NumberKey &key) const;
    };
    struct KnownWidths
    {
        QHash<QString, int> texts;
        std::unordered_map<NumberKey, int, NumberKeyHash> numbers;
        // Shaped advance of a character, and whether a pair of characters shapes to exactly
        // the sum of theirs, in 1/64 pixel.
        QHash<QChar, qint64> advances;
        QHash<quint32, bool> plainPairs;
    };

private:
    static NumberKey keyOf(const QVariant &number, const std::string &unit);
    std::optional<int> widthFromPairs(const QString &text);
    qint64 advanceOf(QChar c);

    QString m_family;
    int m_pointSize = 0;
    KnownWidths *m_known = nullptr;
    std::optional<QFontMetrics> m_metrics;
    std::optional<QFontMetricsF> m_unrounded;
};

template <typename WriteText>
int MeasuringFont::width(const QVariant &number, const std::string &unit, WriteText writeText)
{
    NumberKey key = keyOf(number, unit);
    const auto known = m_known->numbers.find(key);
    if (known != m_known->numbers.end())
        return known->second;
    const int measured = width(writeText());
    m_known->numbers.emplace(std::move(key), measured);
    return measured;
}

} // namespace Velmaris
