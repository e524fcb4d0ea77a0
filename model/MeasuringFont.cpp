#include <velmaris/model/MeasuringFont.h>

#include <cstring>
#include <functional>
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

// Only widths are shared, never metrics: those must not outlive the application object.
MeasuringFont::KnownWidths &knownWidths(const QString &family, int pointSize)
{
    thread_local std::map<std::pair<QString, int>, MeasuringFont::KnownWidths> perFont;
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
    m_known = &knownWidths(familyName, size);
    m_metrics.reset();
}

int MeasuringFont::width(const QString &text)
{
    const auto known = m_known->texts.constFind(text);
    if (known != m_known->texts.constEnd())
        return *known;
    if (m_known->texts.size() >= maxRememberedWidths) {
        m_known->texts.clear();
        m_known->numbers.clear();
    }
    if (!m_metrics)
        m_metrics.emplace(QFont(m_family, m_pointSize, QFont::Normal, false));
    const int measured = m_metrics->horizontalAdvance(text, -1);
    m_known->texts.insert(text, measured);
    return measured;
}

MeasuringFont::NumberKey MeasuringFont::keyOf(const QVariant &number, const std::string &unit)
{
    NumberKey key{number.userType(), 0, unit};
    if (key.type == QMetaType::Double) {
        const double value = number.toDouble();
        std::memcpy(&key.bits, &value, sizeof value);
    } else {
        key.bits = static_cast<std::uint64_t>(number.toLongLong());
    }
    return key;
}

std::size_t MeasuringFont::NumberKeyHash::operator()(const NumberKey &key) const
{
    const std::size_t seed = std::hash<std::uint64_t>()(key.bits) ^ (static_cast<std::size_t>(key.type) << 1);
    return seed ^ (std::hash<std::string>()(key.unit) + 0x9e3779b97f4a7c15ULL + (seed << 6) + (seed >> 2));
}

} // namespace Velmaris
