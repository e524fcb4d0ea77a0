#pragma once

#include <velmaris/host/property/CostProperty.h>

#include <limits>
#include <string>
#include <vector>

namespace CCAPIBaseCommon {

/// \addtogroup hoststandin
/// @{

/// A number held once per variant of a plan (lot sizes, machine alternatives); the views show
/// and edit the value of the active variant.
class VELMARIS_HOST_EXPORT BaseMultiProperty : public CostProperty
{
public:
    /// What the numbers are; the values are held as doubles either way.
    enum ValueType : int {
        IntegerValues = 0, ///< Whole numbers: value() cuts the fraction, store() takes ints only.
        DoubleValues = 1   ///< Real numbers.
    };

    /// @p typeCode is what getPropertyType() answers (MultiValuePropertyType or
    /// MultiLotPropertyType); a @p valueType other than IntegerValues counts as real. Variant 0
    /// is active, and its value (none when @p values is empty) becomes the automatic state.
    /// The bounds are not checked against the values.
    BaseMultiProperty(LabelKey labelKey, int typeCode, int valueType, std::vector<double> values,
                      std::string unit = {},
                      double minAllowed = std::numeric_limits<double>::lowest(),
                      double maxAllowed = std::numeric_limits<double>::max());

    /// The type code given to the constructor.
    int getPropertyType() const override { return m_typeCode; }
    /// The value type given to the constructor, as given.
    virtual int getValueType() const { return m_valueType; }
    /// The active variant's value; NaN when there is no such variant.
    virtual double getNumericValue() const;
    /// The unit given to the constructor.
    std::string getUnit() const override { return m_unit; }
    /// The lowest allowed value, for every variant.
    double getMinAllowedValue() const { return m_min; }
    /// The highest allowed value, for every variant.
    double getMaxAllowedValue() const { return m_max; }

    /// Every variant's value, in variant order.
    const std::vector<double> &values() const { return m_values; }
    /// The active variant; may lie outside values().
    int activeIndex() const { return m_active; }
    /// Any index is taken; with one outside values(), value() is monostate. The automatic
    /// state stays the one taken at construction.
    BaseMultiProperty &setActiveIndex(int index);

    /// The active variant's value, an int (fraction cut) for IntegerValues; monostate when
    /// there is no active variant.
    PropertyValue value() const override;

protected:
    /// Sets the active variant's value; integer properties take only ints. Without an active
    /// variant only monostate fits, and changes nothing.
    bool store(const PropertyValue &value) override;

private:
    bool hasActive() const;

    std::vector<double> m_values;
    std::string m_unit;
    double m_min;
    double m_max;
    int m_typeCode;
    int m_valueType;
    int m_active = 0;
};

/// @}

} // namespace CCAPIBaseCommon
