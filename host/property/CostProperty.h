#pragma once

#include <velmaris/host/property/BaseProperty.h>

#include <string>

namespace CCAPIBaseCommon {

/// \addtogroup hoststandin
/// @{

/// A property of the cost model: the only kind whose editability the property itself decides.
class VELMARIS_HOST_EXPORT CostProperty : public BaseProperty
{
public:
    /// A property the user may edit unless @p editable is false.
    explicit CostProperty(LabelKey labelKey, bool editable = true);

    /// Whether the user may edit the value; the views make the value read-only otherwise.
    bool editable() const { return m_editable; }
    /// Sets editable().
    CostProperty &setEditable(bool editable);

private:
    bool m_editable;
};

/// A number with allowed bounds and a unit. The bounds are for showing and checking edits;
/// storing a value never clamps it.
class VELMARIS_HOST_EXPORT CostPropertyNumOrEnum : public CostProperty
{
public:
    /// @p minAllowed is not checked against @p maxAllowed.
    CostPropertyNumOrEnum(LabelKey labelKey, std::string unit, double minAllowed, double maxAllowed);

    /// The value as a real number, whatever the kind.
    virtual double getDoubleValue() const = 0;
    /// The lowest allowed value.
    double getMinAllowedValue() const { return m_min; }
    /// The highest allowed value.
    double getMaxAllowedValue() const { return m_max; }
    /// The unit as given to the constructor, without a copy.
    const std::string &getVUnit() const { return m_unit; }
    /// The unit as given to the constructor; empty for a number without one.
    std::string getUnit() const override;

    /// Replaces both bounds; the value is left as it is, even outside them.
    CostPropertyNumOrEnum &setAllowedRange(double minAllowed, double maxAllowed);

private:
    std::string m_unit;
    double m_min;
    double m_max;
};

/// Copies the value into target when the variant holds exactly a T; otherwise false and
/// target unchanged. The store() of most kinds, which take no conversion.
template <typename T>
bool storeIfHolds(const PropertyValue &value, T &target)
{
    if (const T *held = std::get_if<T>(&value)) {
        target = *held;
        return true;
    }
    return false;
}

/// @}

} // namespace CCAPIBaseCommon
