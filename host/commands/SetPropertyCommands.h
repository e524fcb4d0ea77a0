#pragma once

#include <velmaris/host/commands/CommandBase.h>
#include <velmaris/host/property/PropertyValue.h>

#include <memory>
#include <string>

namespace CCAPIBaseCommon {
class BaseProperty;
}

namespace Velmaris {

class ProcessLayout;

/// \addtogroup hoststandin
/// @{

/// A command on one process layout, which it keeps alive for as long as it may be undone.
class VELMARIS_HOST_EXPORT ProcessLayoutCommandBase : public CommandBase
{
public:
    /// Shares @p layout, which may be empty.
    explicit ProcessLayoutCommandBase(std::shared_ptr<ProcessLayout> layout);

    /// The layout given to the constructor; may be empty.
    const std::shared_ptr<ProcessLayout> &layout() const { return m_layout; }

private:
    std::shared_ptr<ProcessLayout> m_layout;
};

/// Changes one property; undo puts back the value and the state marks it had before.
class VELMARIS_HOST_EXPORT SetPropertyCommandBase : public ProcessLayoutCommandBase
{
public:
    /// @p property is borrowed and must outlive the command; a null one makes a command that
    /// never applies.
    SetPropertyCommandBase(std::shared_ptr<ProcessLayout> layout,
                           CCAPIBaseCommon::BaseProperty *property);

    /// False, with the property unchanged, when there is none or the change does not fit it.
    bool execute() override;
    /// Restores the state from before the last successful execute(); false when none is
    /// pending or the property no longer takes it.
    bool undo() override;

    /// The borrowed property; may be null.
    CCAPIBaseCommon::BaseProperty *property() const { return m_property; }

private:
    // The change itself; false when it does not fit the property, which then stays as it was.
    virtual bool apply(CCAPIBaseCommon::BaseProperty &property) = 0;

    CCAPIBaseCommon::BaseProperty *m_property;
    CCAPIBaseCommon::PropertyState m_before;
    bool m_applied = false;
};

/// Stores a new value. With keepModifiedState the change counts as the program's, not the
/// user's: the property's modified mark stays as it was.
class VELMARIS_HOST_EXPORT SetPropertyValueCommandBase : public SetPropertyCommandBase
{
public:
    /// @p value must be of the property's kind (see CCAPIBaseCommon::PropertyValue), or the
    /// command never applies; applied, it leaves the property with a value.
    SetPropertyValueCommandBase(std::shared_ptr<ProcessLayout> layout,
                                CCAPIBaseCommon::BaseProperty *property,
                                CCAPIBaseCommon::PropertyValue value, bool keepModifiedState);

    /// The value the command stores.
    const CCAPIBaseCommon::PropertyValue &newValue() const { return m_value; }

protected:
    /// Stores newValue(): as the user's edit, or keeping the modified mark.
    bool apply(CCAPIBaseCommon::BaseProperty &property) override;

private:
    CCAPIBaseCommon::PropertyValue m_value;
    bool m_keepModifiedState;
};

/// Sets a boolean property, as the user's edit.
class VELMARIS_HOST_EXPORT SetPropertyBooleanValueCmd : public SetPropertyValueCommandBase
{
public:
    /// Applies only to a CCAPIBaseCommon::CostPropertyBoolean.
    SetPropertyBooleanValueCmd(std::shared_ptr<ProcessLayout> layout,
                               CCAPIBaseCommon::BaseProperty *property, bool value);
};

/// Selects an enumeration value by its index, which must lie inside the enumeration's allowed
/// values; any other property or index leaves the property unchanged.
class VELMARIS_HOST_EXPORT SetPropertyEnumValueCmd : public SetPropertyValueCommandBase
{
public:
    /// Applies only to a CCAPIBaseCommon::CostPropertyEnum, with @p index from 0 to one less
    /// than its number of allowed values.
    SetPropertyEnumValueCmd(std::shared_ptr<ProcessLayout> layout,
                            CCAPIBaseCommon::BaseProperty *property, int index,
                            bool keepModifiedState);

private:
    bool apply(CCAPIBaseCommon::BaseProperty &property) override;
};

/// Sets a text property, as the user's edit; the text is stored as given.
class VELMARIS_HOST_EXPORT SetPropertyStringValueCmd : public SetPropertyValueCommandBase
{
public:
    /// Applies only to a CCAPIBaseCommon::CostPropertyString.
    SetPropertyStringValueCmd(std::shared_ptr<ProcessLayout> layout,
                              CCAPIBaseCommon::BaseProperty *property, const std::string &value);
};

/// Sets a real number; the allowed range is not checked.
class VELMARIS_HOST_EXPORT SetPropertyDoubleValueCmd : public SetPropertyValueCommandBase
{
public:
    /// Applies to a CCAPIBaseCommon::CostPropertyDouble and to a real-valued
    /// CCAPIBaseCommon::BaseMultiProperty, not to integer properties.
    SetPropertyDoubleValueCmd(std::shared_ptr<ProcessLayout> layout,
                              CCAPIBaseCommon::BaseProperty *property, double value,
                              bool keepModifiedState);
};

/// Sets a whole number; the allowed range is not checked.
class VELMARIS_HOST_EXPORT SetPropertyIntegerValueCmd : public SetPropertyValueCommandBase
{
public:
    /// Applies to integer and real properties alike, the latter taking the same number. An
    /// enumeration takes it as its index, unchecked: use SetPropertyEnumValueCmd for those.
    SetPropertyIntegerValueCmd(std::shared_ptr<ProcessLayout> layout,
                               CCAPIBaseCommon::BaseProperty *property, int value,
                               bool keepModifiedState);
};

/// Returns the property to its automatic value and clears its modified mark.
class VELMARIS_HOST_EXPORT SetPropertyToAutoCmd : public SetPropertyCommandBase
{
public:
    /// Puts back the state the property was given as automatic (see
    /// CCAPIBaseCommon::BaseProperty::markCurrentStateAutomatic()).
    SetPropertyToAutoCmd(std::shared_ptr<ProcessLayout> layout,
                         CCAPIBaseCommon::BaseProperty *property);

private:
    bool apply(CCAPIBaseCommon::BaseProperty &property) override;
};

/// @}

} // namespace Velmaris
