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

class VELMARIS_HOST_EXPORT ProcessLayoutCommandBase : public CommandBase
{
public:
    explicit ProcessLayoutCommandBase(std::shared_ptr<ProcessLayout> layout);

    const std::shared_ptr<ProcessLayout> &layout() const { return m_layout; }

private:
    std::shared_ptr<ProcessLayout> m_layout;
};

// Changes one property; undo puts back the value and the state marks it had before.
class VELMARIS_HOST_EXPORT SetPropertyCommandBase : public ProcessLayoutCommandBase
{
public:
    SetPropertyCommandBase(std::shared_ptr<ProcessLayout> layout,
                           CCAPIBaseCommon::BaseProperty *property);

    bool execute() override;
    bool undo() override;

    CCAPIBaseCommon::BaseProperty *property() const { return m_property; }

private:
    // The change itself; false when it does not fit the property, which then stays as it was.
    virtual bool apply(CCAPIBaseCommon::BaseProperty &property) = 0;

    CCAPIBaseCommon::BaseProperty *m_property;
    CCAPIBaseCommon::PropertyState m_before;
    bool m_applied = false;
};

// Stores a new value. With keepModifiedState the change counts as the program's, not the
// user's: the property's modified mark stays as it was.
class VELMARIS_HOST_EXPORT SetPropertyValueCommandBase : public SetPropertyCommandBase
{
public:
    SetPropertyValueCommandBase(std::shared_ptr<ProcessLayout> layout,
                                CCAPIBaseCommon::BaseProperty *property,
                                CCAPIBaseCommon::PropertyValue value, bool keepModifiedState);

    const CCAPIBaseCommon::PropertyValue &newValue() const { return m_value; }

protected:
    bool apply(CCAPIBaseCommon::BaseProperty &property) override;

private:
    CCAPIBaseCommon::PropertyValue m_value;
    bool m_keepModifiedState;
};

class VELMARIS_HOST_EXPORT SetPropertyBooleanValueCmd : public SetPropertyValueCommandBase
{
public:
    SetPropertyBooleanValueCmd(std::shared_ptr<ProcessLayout> layout,
                               CCAPIBaseCommon::BaseProperty *property, bool value);
};

// The index must lie inside the enumeration's allowed values.
class VELMARIS_HOST_EXPORT SetPropertyEnumValueCmd : public SetPropertyValueCommandBase
{
public:
    SetPropertyEnumValueCmd(std::shared_ptr<ProcessLayout> layout,
                            CCAPIBaseCommon::BaseProperty *property, int index,
                            bool keepModifiedState);

private:
    bool apply(CCAPIBaseCommon::BaseProperty &property) override;
};

class VELMARIS_HOST_EXPORT SetPropertyStringValueCmd : public SetPropertyValueCommandBase
{
public:
    SetPropertyStringValueCmd(std::shared_ptr<ProcessLayout> layout,
                              CCAPIBaseCommon::BaseProperty *property, const std::string &value);
};

class VELMARIS_HOST_EXPORT SetPropertyDoubleValueCmd : public SetPropertyValueCommandBase
{
public:
    SetPropertyDoubleValueCmd(std::shared_ptr<ProcessLayout> layout,
                              CCAPIBaseCommon::BaseProperty *property, double value,
                              bool keepModifiedState);
};

class VELMARIS_HOST_EXPORT SetPropertyIntegerValueCmd : public SetPropertyValueCommandBase
{
public:
    SetPropertyIntegerValueCmd(std::shared_ptr<ProcessLayout> layout,
                               CCAPIBaseCommon::BaseProperty *property, int value,
                               bool keepModifiedState);
};

// Returns the property to its automatic value and clears its modified mark.
class VELMARIS_HOST_EXPORT SetPropertyToAutoCmd : public SetPropertyCommandBase
{
public:
    SetPropertyToAutoCmd(std::shared_ptr<ProcessLayout> layout,
                         CCAPIBaseCommon::BaseProperty *property);

private:
    bool apply(CCAPIBaseCommon::BaseProperty &property) override;
};

} // namespace Velmaris
