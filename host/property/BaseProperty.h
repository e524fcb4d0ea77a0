#pragma once

#include <velmaris/host/property/LabelKey.h>
#include <velmaris/host/property/PropertyValue.h>

#include <velmaris/velmaris_host_export.h>

namespace CCAPIProcessLayout {
class TSObject;
}

namespace CCAPIBaseCommon {

// A typed property of a process-layout object. Besides its value it carries the state the
// views mark: no value, modified by the user, range applied; and it remembers its automatic
// (computed) state so that a "set to automatic" can return to it.
class VELMARIS_HOST_EXPORT BaseProperty
{
public:
    explicit BaseProperty(LabelKey labelKey);
    virtual ~BaseProperty();
    BaseProperty(const BaseProperty &) = delete;
    BaseProperty &operator=(const BaseProperty &) = delete;

    const LabelKey *getLabelKey() const { return &m_labelKey; }
    LabelKey &labelKey() { return m_labelKey; }

    virtual int getPropertyType() const = 0;
    virtual bool isPropertyVisible() const;
    virtual bool hasNoValue() const;
    virtual bool isModified() const;
    virtual CCAPIProcessLayout::TSObject *getOwnerObject() const;
    // The unit of a number; empty for every other kind.
    virtual std::string getUnit() const;
    bool isRangeApplied() const { return m_rangeApplied; }

    BaseProperty &setPropertyVisible(bool visible);
    BaseProperty &setNoValue(bool noValue);
    BaseProperty &setModified(bool modified);
    BaseProperty &setRangeApplied(bool applied);
    BaseProperty &setOwnerObject(CCAPIProcessLayout::TSObject *owner);

    virtual PropertyValue value() const = 0;
    // A user's edit: stores the value, marks the property modified and gives it a value.
    // False, and nothing changed, when the value does not fit the property's kind.
    bool assign(const PropertyValue &value);

    PropertyState state() const;
    // Puts back a state taken earlier; false when its value does not fit this property.
    bool restore(const PropertyState &state);

    // The automatic state is the one the property holds when this is called; constructors
    // call it, so a fresh property is automatic until it is edited.
    void markCurrentStateAutomatic();
    bool resetToAutomatic();
    const PropertyState &automaticState() const { return m_automatic; }

protected:
    // Stores the value if it fits the kind; the only place a subclass changes its value.
    virtual bool store(const PropertyValue &value) = 0;

private:
    LabelKey m_labelKey;
    PropertyState m_automatic;
    CCAPIProcessLayout::TSObject *m_owner = nullptr;
    bool m_visible = true;
    bool m_noValue = false;
    bool m_modified = false;
    bool m_rangeApplied = false;
};

} // namespace CCAPIBaseCommon
