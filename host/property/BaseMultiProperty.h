#pragma once

#include <velmaris/host/property/CostProperty.h>

#include <limits>
#include <string>
#include <vector>

namespace CCAPIBaseCommon {

// A number held once per variant of a plan (lot sizes, machine alternatives); the views show
// and edit the value of the active variant.
class VELMARIS_HOST_EXPORT BaseMultiProperty : public CostProperty
{
public:
    enum ValueType : int { IntegerValues = 0, DoubleValues = 1 };

    BaseMultiProperty(LabelKey labelKey, int typeCode, int valueType, std::vector<double> values,
                      std::string unit = {},
                      double minAllowed = std::numeric_limits<double>::lowest(),
                      double maxAllowed = std::numeric_limits<double>::max());

    int getPropertyType() const override { return m_typeCode; }
    virtual int getValueType() const { return m_valueType; }
    // The active variant's value; NaN when there is no such variant.
    virtual double getNumericValue() const;
    std::string getUnit() const override { return m_unit; }
    double getMinAllowedValue() const { return m_min; }
    double getMaxAllowedValue() const { return m_max; }

    const std::vector<double> &values() const { return m_values; }
    int activeIndex() const { return m_active; }
    BaseMultiProperty &setActiveIndex(int index);

    PropertyValue value() const override;

protected:
    // Sets the active variant's value; integer properties take only ints.
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

} // namespace CCAPIBaseCommon
