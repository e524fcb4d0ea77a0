#include <velmaris/model/SameValue.h>

#include <velmaris/model/ValueCellMarks.h>

#include <velmaris/host/property/ScalarProperties.h>

#include <string>

namespace Velmaris {

namespace {

using CCAPIBaseCommon::BaseProperty;

// Null for an index outside the allowed values.
const std::string *chosenKey(const BaseProperty &property)
{
    const auto *choice = dynamic_cast<const CCAPIBaseCommon::CostPropertyEnum *>(&property);
    if (!choice || outsideAllowedValues(*choice))
        return nullptr;
    return &choice->getAllowedValues()[static_cast<std::size_t>(choice->getIndexValue())];
}

} // namespace

bool sameValue(const BaseProperty &a, const BaseProperty &b)
{
    if (a.hasNoValue() || b.hasNoValue())
        return a.hasNoValue() == b.hasNoValue();
    if (a.getPropertyType() == CCAPIBaseCommon::EnumPropertyType) {
        const std::string *x = chosenKey(a);
        const std::string *y = chosenKey(b);
        return x && y ? *x == *y : x == y;
    }
    // Texts compared in place: value() would copy them.
    const auto *x = dynamic_cast<const CCAPIBaseCommon::CostPropertyString *>(&a);
    const auto *y = dynamic_cast<const CCAPIBaseCommon::CostPropertyString *>(&b);
    if (x && y)
        return x->getValue() == y->getValue();
    return a.value() == b.value();
}

} // namespace Velmaris
