#pragma once

#include <velmaris/host/property/CostProperty.h>

#include <string>
#include <vector>

namespace CCAPIBaseCommon {

/// \addtogroup hoststandin
/// @{

/// A yes/no flag (BooleanPropertyType).
class VELMARIS_HOST_EXPORT CostPropertyBoolean : public CostProperty
{
public:
    /// @p value becomes the automatic state.
    CostPropertyBoolean(LabelKey labelKey, bool value);

    /// BooleanPropertyType.
    int getPropertyType() const override { return BooleanPropertyType; }
    /// The stored flag.
    bool getValue() const { return m_value; }
    /// Always a bool.
    PropertyValue value() const override { return m_value; }

protected:
    /// Accepts only a bool.
    bool store(const PropertyValue &value) override { return storeIfHolds(value, m_value); }

private:
    bool m_value;
};

/// One of a list of value keys; the value is the index into that list. An index outside the
/// list is allowed: it is how a plan shows a value that is no longer offered.
class VELMARIS_HOST_EXPORT CostPropertyEnum : public CostProperty
{
public:
    /// @p allowedValues are label keys; @p index is not checked against them and becomes the
    /// automatic state.
    CostPropertyEnum(LabelKey labelKey, std::vector<std::string> allowedValues, int index);

    /// EnumPropertyType.
    int getPropertyType() const override { return EnumPropertyType; }
    /// The value keys, which the index counts into.
    const std::vector<std::string> &getAllowedValues() const { return m_allowed; }
    /// The selected index; may lie outside getAllowedValues().
    int getIndexValue() const { return m_index; }
    /// Always the index, as an int.
    PropertyValue value() const override { return m_index; }

protected:
    /// Accepts any int as the index, unchecked; SetPropertyEnumValueCmd is the checked way.
    bool store(const PropertyValue &value) override { return storeIfHolds(value, m_index); }

private:
    std::vector<std::string> m_allowed;
    int m_index;
};

/// A text (StringPropertyType), single- or multi-line.
class VELMARIS_HOST_EXPORT CostPropertyString : public CostProperty
{
public:
    /// @p value (UTF-8) becomes the automatic state; @p multiLine asks the views for a
    /// multi-line editor.
    CostPropertyString(LabelKey labelKey, std::string value, bool multiLine = false);

    /// StringPropertyType.
    int getPropertyType() const override { return StringPropertyType; }
    /// The stored text, UTF-8.
    const std::string &getValue() const { return m_value; }
    /// Whether the text is edited over several lines.
    bool isMultiLine() const { return m_multiLine; }
    /// Always a std::string.
    PropertyValue value() const override { return m_value; }

protected:
    /// Accepts only a std::string.
    bool store(const PropertyValue &value) override { return storeIfHolds(value, m_value); }

private:
    std::string m_value;
    bool m_multiLine;
};

/// @}

} // namespace CCAPIBaseCommon
