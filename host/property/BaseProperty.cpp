#include <velmaris/host/property/BaseProperty.h>

#include <utility>

namespace CCAPIBaseCommon {

BaseProperty::BaseProperty(LabelKey labelKey)
    : m_labelKey(std::move(labelKey))
{
}

BaseProperty::~BaseProperty() = default;

bool BaseProperty::isPropertyVisible() const { return m_visible; }
bool BaseProperty::hasNoValue() const { return m_noValue; }
bool BaseProperty::isModified() const { return m_modified; }
CCAPIProcessLayout::TSObject *BaseProperty::getOwnerObject() const { return m_owner; }
std::string BaseProperty::getUnit() const { return {}; }

BaseProperty &BaseProperty::setPropertyVisible(bool visible)
{
    m_visible = visible;
    return *this;
}

BaseProperty &BaseProperty::setNoValue(bool noValue)
{
    m_noValue = noValue;
    return *this;
}

BaseProperty &BaseProperty::setModified(bool modified)
{
    m_modified = modified;
    return *this;
}

BaseProperty &BaseProperty::setRangeApplied(bool applied)
{
    m_rangeApplied = applied;
    return *this;
}

BaseProperty &BaseProperty::setOwnerObject(CCAPIProcessLayout::TSObject *owner)
{
    m_owner = owner;
    return *this;
}

bool BaseProperty::assign(const PropertyValue &value)
{
    if (!store(value))
        return false;
    m_noValue = false;
    m_modified = true;
    return true;
}

PropertyState BaseProperty::state() const
{
    return PropertyState{value(), m_noValue, m_modified};
}

bool BaseProperty::restore(const PropertyState &state)
{
    if (!store(state.value))
        return false;
    m_noValue = state.noValue;
    m_modified = state.modified;
    return true;
}

void BaseProperty::markCurrentStateAutomatic()
{
    m_automatic = state();
    m_automatic.modified = false;
}

bool BaseProperty::resetToAutomatic()
{
    return restore(m_automatic);
}

} // namespace CCAPIBaseCommon
