#pragma once

#include <QFont>
#include <QFontMetrics>
#include <QHash>
#include <QString>
#include <QVariant>

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
    int width(const QString &text);

    struct Known
    {
        // Texts that had to be shaped whole.
        QHash<QString, int> shapedTexts;
        // Shaped advance of a character, and whether a pair of characters shapes to exactly
        // the sum of theirs, in 1/64 pixel.
        QHash<QChar, qint64> advances;
        QHash<quint32, bool> plainPairs;
    };

private:
    std::optional<int> widthFromPairs(const QString &text);
    qint64 advanceOf(QChar c);

    QString m_family;
    int m_pointSize = 0;
    Known *m_known = nullptr;
    std::optional<QFontMetrics> m_metrics;
    std::optional<QFontMetricsF> m_unrounded;
};

} // namespace Velmaris
