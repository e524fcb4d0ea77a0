#include <velmaris/host/property/CostProperty.h>

#include <utility>

namespace CCAPIBaseCommon {

CostProperty::CostProperty(LabelKey labelKey, bool editable)
    : BaseProperty(std::move(labelKey))
    , m_editable(editable)
{
}

CostProperty &CostProperty::setEditable(bool editable)
{
    m_editable = editable;
    return *this;
}

CostPropertyNumOrEnum::CostPropertyNumOrEnum(LabelKey labelKey, std::string unit,
                                             double minAllowed, double maxAllowed)
    : CostProperty(std::move(labelKey))
    , m_unit(std::move(unit))
    , m_min(minAllowed)
    , m_max(maxAllowed)
{
}

std::string CostPropertyNumOrEnum::getUnit() const { return m_unit; }

CostPropertyNumOrEnum &CostPropertyNumOrEnum::setAllowedRange(double minAllowed, double maxAllowed)
{
    m_min = minAllowed;
    m_max = maxAllowed;
    return *this;
}

} // namespace CCAPIBaseCommon
