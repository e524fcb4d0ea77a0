#include <velmaris/host/commands/SetPropertyCommands.h>

#include <velmaris/host/objects/ProcessLayout.h>
#include <velmaris/host/property/ScalarProperties.h>

#include <utility>

namespace Velmaris {

ProcessLayoutCommandBase::ProcessLayoutCommandBase(std::shared_ptr<ProcessLayout> layout)
    : m_layout(std::move(layout))
{
}

SetPropertyCommandBase::SetPropertyCommandBase(std::shared_ptr<ProcessLayout> layout,
                                               CCAPIBaseCommon::BaseProperty *property)
    : ProcessLayoutCommandBase(std::move(layout))
    , m_property(property)
{
}

bool SetPropertyCommandBase::execute()
{
    if (!m_property)
        return false;
    const CCAPIBaseCommon::PropertyState before = m_property->state();
    if (!apply(*m_property))
        return false;
    m_before = before;
    m_applied = true;
    return true;
}

bool SetPropertyCommandBase::undo()
{
    if (!m_applied)
        return false;
    m_applied = false;
    return m_property->restore(m_before);
}

SetPropertyValueCommandBase::SetPropertyValueCommandBase(std::shared_ptr<ProcessLayout> layout,
                                                         CCAPIBaseCommon::BaseProperty *property,
                                                         CCAPIBaseCommon::PropertyValue value,
                                                         bool keepModifiedState)
    : SetPropertyCommandBase(std::move(layout), property)
    , m_value(std::move(value))
    , m_keepModifiedState(keepModifiedState)
{
}

bool SetPropertyValueCommandBase::apply(CCAPIBaseCommon::BaseProperty &property)
{
    if (!m_keepModifiedState)
        return property.assign(m_value);
    return property.restore({m_value, false, property.isModified()});
}

SetPropertyBooleanValueCmd::SetPropertyBooleanValueCmd(std::shared_ptr<ProcessLayout> layout,
                                                       CCAPIBaseCommon::BaseProperty *property,
                                                       bool value)
    : SetPropertyValueCommandBase(std::move(layout), property, value, false)
{
}

SetPropertyEnumValueCmd::SetPropertyEnumValueCmd(std::shared_ptr<ProcessLayout> layout,
                                                 CCAPIBaseCommon::BaseProperty *property,
                                                 int index, bool keepModifiedState)
    : SetPropertyValueCommandBase(std::move(layout), property, index, keepModifiedState)
{
}

bool SetPropertyEnumValueCmd::apply(CCAPIBaseCommon::BaseProperty &property)
{
    const auto *enumeration = dynamic_cast<const CCAPIBaseCommon::CostPropertyEnum *>(&property);
    const int index = std::get<int>(newValue());
    if (!enumeration || index < 0
        || static_cast<std::size_t>(index) >= enumeration->getAllowedValues().size())
        return false;
    return SetPropertyValueCommandBase::apply(property);
}

SetPropertyStringValueCmd::SetPropertyStringValueCmd(std::shared_ptr<ProcessLayout> layout,
                                                     CCAPIBaseCommon::BaseProperty *property,
                                                     const std::string &value)
    : SetPropertyValueCommandBase(std::move(layout), property, value, false)
{
}

SetPropertyDoubleValueCmd::SetPropertyDoubleValueCmd(std::shared_ptr<ProcessLayout> layout,
                                                     CCAPIBaseCommon::BaseProperty *property,
                                                     double value, bool keepModifiedState)
    : SetPropertyValueCommandBase(std::move(layout), property, value, keepModifiedState)
{
}

SetPropertyIntegerValueCmd::SetPropertyIntegerValueCmd(std::shared_ptr<ProcessLayout> layout,
                                                       CCAPIBaseCommon::BaseProperty *property,
                                                       int value, bool keepModifiedState)
    : SetPropertyValueCommandBase(std::move(layout), property, value, keepModifiedState)
{
}

SetPropertyToAutoCmd::SetPropertyToAutoCmd(std::shared_ptr<ProcessLayout> layout,
                                           CCAPIBaseCommon::BaseProperty *property)
    : SetPropertyCommandBase(std::move(layout), property)
{
}

bool SetPropertyToAutoCmd::apply(CCAPIBaseCommon::BaseProperty &property)
{
    return property.resetToAutomatic();
}

} // namespace Velmaris
