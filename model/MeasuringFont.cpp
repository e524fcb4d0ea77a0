#include "model/MeasuringFont.h"

namespace Velmaris {

namespace {

int pointSizeOf(const QVariant &value)
{
    if (value.userType() == QMetaType::Int)
        return value.toInt();
    bool converted = false;
    const int size = value.toInt(&converted);
    return converted ? size : 0;
}

} // namespace

void MeasuringFont::follow(const QVariant &family, const QVariant &pointSize)
{
    const QString familyName = family.toString();
    const int size = pointSizeOf(pointSize);
    if (m_metrics && familyName == m_family && size == m_pointSize)
        return;
    m_family = familyName;
    m_pointSize = size;
    m_metrics.emplace(QFont(familyName, size, QFont::Normal, false));
    m_widths.clear();
}

int MeasuringFont::width(const QString &text)
{
    const auto known = m_widths.constFind(text);
    if (known != m_widths.constEnd())
        return *known;
    if (m_widths.size() >= maxRememberedWidths)
        m_widths.clear();
    const int measured = m_metrics->horizontalAdvance(text, -1);
    m_widths.insert(text, measured);
    return measured;
}

} // namespace Velmaris
