#include <velmaris/host/property/BaseMultiProperty.h>

#include <cmath>
#include <utility>

namespace CCAPIBaseCommon {

BaseMultiProperty::BaseMultiProperty(LabelKey labelKey, int typeCode, int valueType,
                                     std::vector<double> values, std::string unit,
                                     double minAllowed, double maxAllowed)
    : CostProperty(std::move(labelKey))
    , m_values(std::move(values))
    , m_unit(std::move(unit))
    , m_min(minAllowed)
    , m_max(maxAllowed)
    , m_typeCode(typeCode)
    , m_valueType(valueType)
{
    markCurrentStateAutomatic();
}

bool BaseMultiProperty::hasActive() const
{
    return m_active >= 0 && static_cast<std::size_t>(m_active) < m_values.size();
}

double BaseMultiProperty::getNumericValue() const
{
    return hasActive() ? m_values[static_cast<std::size_t>(m_active)]
                       : std::numeric_limits<double>::quiet_NaN();
}

BaseMultiProperty &BaseMultiProperty::setActiveIndex(int index)
{
    m_active = index;
    return *this;
}

PropertyValue BaseMultiProperty::value() const
{
    if (!hasActive())
        return std::monostate{};
    const double held = getNumericValue();
    if (m_valueType == IntegerValues)
        return static_cast<int>(std::trunc(held));
    return held;
}

bool BaseMultiProperty::store(const PropertyValue &value)
{
    if (std::holds_alternative<std::monostate>(value))
        return !hasActive();
    double number = 0.0;
    if (const int *whole = std::get_if<int>(&value))
        number = *whole;
    else if (const double *real = std::get_if<double>(&value); real && m_valueType != IntegerValues)
        number = *real;
    else
        return false;
    if (!hasActive())
        return false;
    m_values[static_cast<std::size_t>(m_active)] = number;
    return true;
}

} // namespace CCAPIBaseCommon
