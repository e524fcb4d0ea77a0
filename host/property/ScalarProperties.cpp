#include <velmaris/host/property/ScalarProperties.h>

#include <utility>

namespace CCAPIBaseCommon {

CostPropertyBoolean::CostPropertyBoolean(LabelKey labelKey, bool value)
    : CostProperty(std::move(labelKey))
    , m_value(value)
{
    markCurrentStateAutomatic();
}

CostPropertyEnum::CostPropertyEnum(LabelKey labelKey, std::vector<std::string> allowedValues,
                                   int index)
    : CostProperty(std::move(labelKey))
    , m_allowed(std::move(allowedValues))
    , m_index(index)
{
    markCurrentStateAutomatic();
}

CostPropertyString::CostPropertyString(LabelKey labelKey, std::string value, bool multiLine)
    : CostProperty(std::move(labelKey))
    , m_value(std::move(value))
    , m_multiLine(multiLine)
{
    markCurrentStateAutomatic();
}

} // namespace CCAPIBaseCommon
