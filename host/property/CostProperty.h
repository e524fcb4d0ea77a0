#pragma once

#include <velmaris/host/property/BaseProperty.h>

#include <string>

namespace CCAPIBaseCommon {

// A property of the cost model: the only kind whose editability the property itself decides.
class VELMARIS_HOST_EXPORT CostProperty : public BaseProperty
{
public:
    explicit CostProperty(LabelKey labelKey, bool editable = true);

    bool editable() const { return m_editable; }
    CostProperty &setEditable(bool editable);

private:
    bool m_editable;
};

// A number with allowed bounds and a unit.
class VELMARIS_HOST_EXPORT CostPropertyNumOrEnum : public CostProperty
{
public:
    CostPropertyNumOrEnum(LabelKey labelKey, std::string unit, double minAllowed, double maxAllowed);

    virtual double getDoubleValue() const = 0;
    double getMinAllowedValue() const { return m_min; }
    double getMaxAllowedValue() const { return m_max; }
    const std::string &getVUnit() const { return m_unit; }
    std::string getUnit() const override;

    CostPropertyNumOrEnum &setAllowedRange(double minAllowed, double maxAllowed);

private:
    std::string m_unit;
    double m_min;
    double m_max;
};

// Copies the value into target when the variant holds exactly a T.
template <typename T>
bool storeIfHolds(const PropertyValue &value, T &target)
{
    if (const T *held = std::get_if<T>(&value)) {
        target = *held;
        return true;
    }
    return false;
}

} // namespace CCAPIBaseCommon
