#include <velmaris/host/property/NumericProperties.h>

#include <utility>

namespace CCAPIBaseCommon {

CostPropertyDouble::CostPropertyDouble(LabelKey labelKey, double value, std::string unit,
                                       double minAllowed, double maxAllowed)
    : CostPropertyNumOrEnum(std::move(labelKey), std::move(unit), minAllowed, maxAllowed)
    , m_value(value)
{
    markCurrentStateAutomatic();
}

bool CostPropertyDouble::store(const PropertyValue &value)
{
    if (const int *whole = std::get_if<int>(&value)) {
        m_value = *whole;
        return true;
    }
    return storeIfHolds(value, m_value);
}

CostPropertyInteger::CostPropertyInteger(LabelKey labelKey, int value, std::string unit,
                                         int minAllowed, int maxAllowed)
    : CostPropertyNumOrEnum(std::move(labelKey), std::move(unit), minAllowed, maxAllowed)
    , m_value(value)
{
    markCurrentStateAutomatic();
}

// The bounds are kept as doubles by the base; an integer property is only ever given int bounds.
int CostPropertyInteger::getMinAllowedValue() const
{
    return static_cast<int>(CostPropertyNumOrEnum::getMinAllowedValue());
}

int CostPropertyInteger::getMaxAllowedValue() const
{
    return static_cast<int>(CostPropertyNumOrEnum::getMaxAllowedValue());
}

} // namespace CCAPIBaseCommon
