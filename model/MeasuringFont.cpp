#include <velmaris/model/MeasuringFont.h>

#include <map>
#include <utility>

namespace Velmaris {

namespace {

constexpr int maxRememberedWidths = 65536;

int pointSizeOf(const QVariant &value)
{
    if (value.userType() == QMetaType::Int)
        return value.toInt();
    bool converted = false;
    const int size = value.toInt(&converted);
    return converted ? size : 0;
}

// Only what was measured is shared, never metrics: those must not outlive the application object.
MeasuringFont::Known &knownOf(const QString &family, int pointSize)
{
    thread_local std::map<std::pair<QString, int>, MeasuringFont::Known> perFont;
    return perFont[{family, pointSize}];
}

} // namespace

void MeasuringFont::follow(const QVariant &family, const QVariant &pointSize)
{
    const QString familyName = family.toString();
    const int size = pointSizeOf(pointSize);
    if (m_known && familyName == m_family && size == m_pointSize)
        return;
    m_family = familyName;
    m_pointSize = size;
    m_known = &knownOf(familyName, size);
    m_metrics.reset();
    m_unrounded.reset();
}

int MeasuringFont::width(QStringView text)
{
    if (!m_metrics) {
        const QFont font(m_family, m_pointSize, QFont::Normal, false);
        m_metrics.emplace(font);
        m_unrounded.emplace(font);
    }
    if (const std::optional<int> fromPairs = widthFromPairs(text))
        return *fromPairs;
    const QString whole = text.toString();
    const auto known = m_known->shapedTexts.constFind(whole);
    if (known != m_known->shapedTexts.constEnd())
        return *known;
    if (m_known->shapedTexts.size() >= maxRememberedWidths)
        m_known->shapedTexts.clear();
    const int measured = m_metrics->horizontalAdvance(whole, -1);
    m_known->shapedTexts.insert(whole, measured);
    return measured;
}

// Shaping every new number text took a third of a fill, and remembering every width cost more
// memory traffic than it saved once values rarely repeat. When each neighbouring pair of its
// characters shapes to exactly the sum of their own shaped advances (no kerning, no ligature,
// which a pair asked once per font tells), shaping the whole text adds nothing to that sum.
// Only printable ASCII, which shapes pair by pair; anything else is shaped whole.
std::optional<int> MeasuringFont::widthFromPairs(QStringView text)
{
    qint64 sum = 0;
    int previous = -1;
    for (const QChar c : text) {
        const int index = c.unicode() - firstPrintable;
        if (index < 0 || index >= printableCount)
            return std::nullopt;
        sum += advanceOf(c);
        if (previous >= 0) {
            Known::Pair &pair = m_known->pairs[static_cast<std::size_t>(previous * printableCount + index)];
            if (pair == Known::Pair::Unknown) {
                const QChar both[] = {QChar(previous + firstPrintable), c};
                const qint64 shaped = qRound64(m_unrounded->horizontalAdvance(QString(both, 2)) * 64);
                pair = shaped == advanceOf(both[0]) + advanceOf(c) ? Known::Pair::Plain : Known::Pair::Shaped;
            }
            if (pair == Known::Pair::Shaped)
                return std::nullopt;
        }
        previous = index;
    }
    return static_cast<int>((sum + 32) >> 6); // rounded as Qt rounds its 1/64 pixel widths
}

qint64 MeasuringFont::advanceOf(QChar c)
{
    qint64 &advance = m_known->advances[static_cast<std::size_t>(c.unicode() - firstPrintable)];
    if (advance < 0)
        advance = qRound64(m_unrounded->horizontalAdvance(QString(c)) * 64);
    return advance;
}

} // namespace Velmaris
