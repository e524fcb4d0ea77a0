#pragma once

#include <QFont>
#include <QFontMetrics>
#include <QHash>
#include <QString>
#include <QStringView>
#include <QVariant>

#include <array>
#include <optional>

namespace Velmaris {

// The application font that value widths are measured in. The metrics are built only when a
// width is needed, and again only after the family or point size changes. What measuring
// learns is remembered per font for the whole thread, so a model made anew does not learn it
// again.
// Internal: neither installed nor exported; its test compiles it in.
class MeasuringFont
{
public:
    // Follows the style values as they are now.
    void follow(const QVariant &family, const QVariant &pointSize);
    // Width in pixels of the text in the current font; follow() must have run first.
    int width(QStringView text);

    // Printable ASCII, from the space to the tilde: the characters measured pair by pair.
    static constexpr int firstPrintable = 0x20;
    static constexpr int printableCount = 0x7f - firstPrintable;

    struct Known
    {
        Known() { advances.fill(-1); }

        // Texts that had to be shaped whole.
        QHash<QString, int> shapedTexts;
        // Shaped advance of a character in 1/64 pixel, -1 until asked. Flat tables: every
        // character of every number text is looked up, and they stay in cache.
        std::array<qint64, printableCount> advances;
        // Whether a pair of characters shapes to exactly the sum of theirs.
        enum class Pair : quint8 { Unknown, Plain, Shaped };
        std::array<Pair, printableCount * printableCount> pairs{};
    };

private:
    std::optional<int> widthFromPairs(QStringView text);
    // Of a printable ASCII character.
    qint64 advanceOf(QChar c);

    QString m_family;
    int m_pointSize = 0;
    Known *m_known = nullptr;
    std::optional<QFontMetrics> m_metrics;
    std::optional<QFontMetricsF> m_unrounded;
};

} // namespace Velmaris
