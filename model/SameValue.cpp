#include <velmaris/model/SameValue.h>

#include <velmaris/model/ValueCellMarks.h>

#include <velmaris/host/property/ScalarProperties.h>

namespace Velmaris {

namespace {

using CCAPIBaseCommon::BaseProperty;

const std::string *chosenKey(const BaseProperty &property)
{
    const auto *choice = dynamic_cast<const CCAPIBaseCommon::CostPropertyEnum *>(&property);
    if (!choice || outsideAllowedValues(*choice))
        return nullptr;
    return &choice->getAllowedValues()[static_cast<std::size_t>(choice->getIndexValue())];
}

const std::string *textOf(const BaseProperty &property)
{
    const auto *text = dynamic_cast<const CCAPIBaseCommon::CostPropertyString *>(&property);
    return text ? &text->getValue() : nullptr;
}

} // namespace

SameValue::SameValue(const BaseProperty &property)
    : m_typeCode(property.getPropertyType())
    , m_noValue(property.hasNoValue())
{
    if (m_typeCode == CCAPIBaseCommon::EnumPropertyType)
        m_key = chosenKey(property);
    else if (m_typeCode == CCAPIBaseCommon::StringPropertyType)
        m_text = textOf(property);
    if (!m_text)
        m_value = property.value();
}

bool SameValue::in(const BaseProperty &other) const
{
    if (m_noValue || other.hasNoValue())
        return m_noValue == other.hasNoValue();
    if (m_typeCode == CCAPIBaseCommon::EnumPropertyType) {
        const std::string *key = chosenKey(other);
        return m_key && key ? *m_key == *key : m_key == key;
    }
    if (m_text) {
        if (const std::string *text = textOf(other))
            return *m_text == *text;
    }
    return m_value == other.value();
}

} // namespace Velmaris
