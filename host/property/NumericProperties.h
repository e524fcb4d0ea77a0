#pragma once

#include <velmaris/host/property/CostProperty.h>

#include <limits>

namespace CCAPIBaseCommon {

class VELMARIS_HOST_EXPORT CostPropertyDouble : public CostPropertyNumOrEnum
{
public:
    CostPropertyDouble(LabelKey labelKey, double value, std::string unit = {},
                       double minAllowed = std::numeric_limits<double>::lowest(),
                       double maxAllowed = std::numeric_limits<double>::max());

    int getPropertyType() const override { return DoublePropertyType; }
    double getDoubleValue() const override { return m_value; }
    PropertyValue value() const override { return m_value; }

protected:
    // Accepts a double, or an int taken as the same number.
    bool store(const PropertyValue &value) override;

private:
    double m_value;
};

class VELMARIS_HOST_EXPORT CostPropertyInteger : public CostPropertyNumOrEnum
{
public:
    CostPropertyInteger(LabelKey labelKey, int value, std::string unit = {},
                        int minAllowed = std::numeric_limits<int>::min(),
                        int maxAllowed = std::numeric_limits<int>::max());

    int getPropertyType() const override { return IntegerPropertyType; }
    int getValue() const { return m_value; }
    double getDoubleValue() const override { return m_value; }
    int getMinAllowedValue() const;
    int getMaxAllowedValue() const;
    PropertyValue value() const override { return m_value; }

protected:
    bool store(const PropertyValue &value) override { return storeIfHolds(value, m_value); }

private:
    int m_value;
};

} // namespace CCAPIBaseCommon
