#pragma once

#include <velmaris/host/property/CostProperty.h>

#include <limits>

namespace CCAPIBaseCommon {

/// \addtogroup hoststandin
/// @{

/// A real number (DoublePropertyType).
class VELMARIS_HOST_EXPORT CostPropertyDouble : public CostPropertyNumOrEnum
{
public:
    /// Without bounds any value is allowed; @p value becomes the automatic state, even outside
    /// the bounds.
    CostPropertyDouble(LabelKey labelKey, double value, std::string unit = {},
                       double minAllowed = std::numeric_limits<double>::lowest(),
                       double maxAllowed = std::numeric_limits<double>::max());

    /// DoublePropertyType.
    int getPropertyType() const override { return DoublePropertyType; }
    /// The stored number.
    double getDoubleValue() const override { return m_value; }
    /// Always a double.
    PropertyValue value() const override { return m_value; }

protected:
    /// Accepts a double, or an int taken as the same number.
    bool store(const PropertyValue &value) override;

private:
    double m_value;
};

/// A whole number (IntegerPropertyType).
class VELMARIS_HOST_EXPORT CostPropertyInteger : public CostPropertyNumOrEnum
{
public:
    /// Without bounds any int is allowed; @p value becomes the automatic state, even outside
    /// the bounds.
    CostPropertyInteger(LabelKey labelKey, int value, std::string unit = {},
                        int minAllowed = std::numeric_limits<int>::min(),
                        int maxAllowed = std::numeric_limits<int>::max());

    /// IntegerPropertyType.
    int getPropertyType() const override { return IntegerPropertyType; }
    /// The stored number.
    int getValue() const { return m_value; }
    /// The stored number, exactly.
    double getDoubleValue() const override { return m_value; }
    /// The lower bound as an int, its fraction dropped; hides the base's double. Only bounds
    /// within the range of int convert: setAllowedRange() takes any double, so keep to ints.
    int getMinAllowedValue() const;
    /// The upper bound as an int, with the same limits as getMinAllowedValue().
    int getMaxAllowedValue() const;
    /// Always an int.
    PropertyValue value() const override { return m_value; }

protected:
    /// Accepts only an int; a double, even a whole one, does not fit.
    bool store(const PropertyValue &value) override { return storeIfHolds(value, m_value); }

private:
    int m_value;
};

/// @}

} // namespace CCAPIBaseCommon
