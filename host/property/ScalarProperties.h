#pragma once

#include <velmaris/host/property/CostProperty.h>

#include <string>
#include <vector>

namespace CCAPIBaseCommon {

class VELMARIS_HOST_EXPORT CostPropertyBoolean : public CostProperty
{
public:
    CostPropertyBoolean(LabelKey labelKey, bool value);

    int getPropertyType() const override { return BooleanPropertyType; }
    bool getValue() const { return m_value; }
    PropertyValue value() const override { return m_value; }

protected:
    bool store(const PropertyValue &value) override { return storeIfHolds(value, m_value); }

private:
    bool m_value;
};

// One of a list of value keys; the value is the index into that list. An index outside the
// list is allowed: it is how a plan shows a value that is no longer offered.
class VELMARIS_HOST_EXPORT CostPropertyEnum : public CostProperty
{
public:
    CostPropertyEnum(LabelKey labelKey, std::vector<std::string> allowedValues, int index);

    int getPropertyType() const override { return EnumPropertyType; }
    const std::vector<std::string> &getAllowedValues() const { return m_allowed; }
    int getIndexValue() const { return m_index; }
    PropertyValue value() const override { return m_index; }

protected:
    bool store(const PropertyValue &value) override { return storeIfHolds(value, m_index); }

private:
    std::vector<std::string> m_allowed;
    int m_index;
};

class VELMARIS_HOST_EXPORT CostPropertyString : public CostProperty
{
public:
    CostPropertyString(LabelKey labelKey, std::string value, bool multiLine = false);

    int getPropertyType() const override { return StringPropertyType; }
    const std::string &getValue() const { return m_value; }
    bool isMultiLine() const { return m_multiLine; }
    PropertyValue value() const override { return m_value; }

protected:
    bool store(const PropertyValue &value) override { return storeIfHolds(value, m_value); }

private:
    std::string m_value;
    bool m_multiLine;
};

} // namespace CCAPIBaseCommon
