#pragma once

#include <velmaris/host/property/LabelKey.h>
#include <velmaris/host/property/PropertyValue.h>

#include <velmaris/velmaris_host_export.h>

namespace CCAPIProcessLayout {
class TSObject;
}

namespace CCAPIBaseCommon {

/// \addtogroup hoststandin
/// @{

/// A typed property of a process-layout object. Besides its value it carries the state the
/// views mark: no value, modified by the user, range applied; and it remembers its automatic
/// (computed) state so that a "set to automatic" can return to it. The setters only set the
/// mark; none of them changes the value.
class VELMARIS_HOST_EXPORT BaseProperty
{
public:
    /// A visible, unmodified property with a value and no owner.
    explicit BaseProperty(LabelKey labelKey);
    virtual ~BaseProperty();
    /// Not copyable: properties are known by their address.
    BaseProperty(const BaseProperty &) = delete;
    /// Not copyable.
    BaseProperty &operator=(const BaseProperty &) = delete;

    /// The property's own label key; never null, valid as long as the property.
    const LabelKey *getLabelKey() const { return &m_labelKey; }
    /// The property's own label key, to change how the views show it.
    LabelKey &labelKey() { return m_labelKey; }

    /// A PropertyType code; it decides how the value is shown and edited.
    virtual int getPropertyType() const = 0;
    /// The property's own visibility, as set; true unless set otherwise.
    virtual bool isPropertyVisible() const;
    /// The no-value mark: set by setNoValue(), cleared by assign(); value() still answers
    /// what is stored.
    virtual bool hasNoValue() const;
    /// The modified mark, which the views show as a change by the user: set by assign(),
    /// cleared by resetToAutomatic(), put back by restore().
    virtual bool isModified() const;
    /// The object that owns the property, not owned; null when none was set.
    virtual CCAPIProcessLayout::TSObject *getOwnerObject() const;
    /// The unit of a number; empty for every other kind.
    virtual std::string getUnit() const;
    /// Whether the value was clipped to its allowed range.
    bool isRangeApplied() const { return m_rangeApplied; }

    /// Sets isPropertyVisible().
    BaseProperty &setPropertyVisible(bool visible);
    /// Sets hasNoValue(); the value stays as it is.
    BaseProperty &setNoValue(bool noValue);
    /// Sets isModified().
    BaseProperty &setModified(bool modified);
    /// Sets isRangeApplied().
    BaseProperty &setRangeApplied(bool applied);
    /// Sets getOwnerObject(); the owner is borrowed and must outlive the property's use of it.
    BaseProperty &setOwnerObject(CCAPIProcessLayout::TSObject *owner);

    /// The value in the form of the property's kind (see PropertyValue).
    virtual PropertyValue value() const = 0;
    /// A user's edit: stores the value, marks the property modified and gives it a value.
    /// False, and nothing changed, when the value does not fit the property's kind.
    bool assign(const PropertyValue &value);

    /// The value with the no-value and modified marks, for restore().
    PropertyState state() const;
    /// Puts back a state taken earlier; false, and nothing changed, when its value does not
    /// fit this property.
    bool restore(const PropertyState &state);

    /// The automatic state is the one the property holds when this is called, unmodified;
    /// the constructors of the concrete kinds call it, so a fresh property is automatic until
    /// it is edited.
    void markCurrentStateAutomatic();
    /// restore() of automaticState().
    bool resetToAutomatic();
    /// The state markCurrentStateAutomatic() took last.
    const PropertyState &automaticState() const { return m_automatic; }

protected:
    /// Stores the value if it fits the kind; the only place a subclass changes its value.
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

/// @}

} // namespace CCAPIBaseCommon
