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

int MeasuringFont::width(const QString &text)
{
    if (!m_metrics) {
        const QFont font(m_family, m_pointSize, QFont::Normal, false);
        m_metrics.emplace(font);
        m_unrounded.emplace(font);
    }
    if (const std::optional<int> fromPairs = widthFromPairs(text))
        return *fromPairs;
    const auto known = m_known->shapedTexts.constFind(text);
    if (known != m_known->shapedTexts.constEnd())
        return *known;
    if (m_known->shapedTexts.size() >= maxRememberedWidths)
        m_known->shapedTexts.clear();
    const int measured = m_metrics->horizontalAdvance(text, -1);
    m_known->shapedTexts.insert(text, measured);
    return measured;
}

// Shaping every new number text took a third of a fill, and remembering every width cost more
// memory traffic than it saved once values rarely repeat. When each neighbouring pair of its
// characters shapes to exactly the sum of their own shaped advances (no kerning, no ligature,
// which a pair asked once per font tells), shaping the whole text adds nothing to that sum.
// Only printable ASCII, which shapes pair by pair; anything else is shaped whole.
std::optional<int> MeasuringFont::widthFromPairs(const QString &text)
{
    qint64 sum = 0;
    for (int i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c.unicode() < 0x20 || c.unicode() > 0x7e)
            return std::nullopt;
        sum += advanceOf(c);
        if (i == 0)
            continue;
        const QChar previous = text.at(i - 1);
        const quint32 pair = (quint32(previous.unicode()) << 16) | c.unicode();
        auto plain = m_known->plainPairs.constFind(pair);
        if (plain == m_known->plainPairs.constEnd()) {
            const QChar both[] = {previous, c};
            const qint64 shaped = qRound64(m_unrounded->horizontalAdvance(QString(both, 2)) * 64);
            plain = m_known->plainPairs.insert(pair, shaped == advanceOf(previous) + advanceOf(c));
        }
        if (!*plain)
            return std::nullopt;
    }
    return static_cast<int>((sum + 32) >> 6); // rounded as Qt rounds its 1/64 pixel widths
}

qint64 MeasuringFont::advanceOf(QChar c)
{
    auto known = m_known->advances.constFind(c);
    if (known == m_known->advances.constEnd())
        known = m_known->advances.insert(c, qRound64(m_unrounded->horizontalAdvance(QString(c)) * 64));
    return *known;
}

} // namespace Velmaris
