#pragma once

#include <velmaris/model/CachedCast.h>

#include <optional>

namespace CCAPIBaseCommon {
class BaseMultiProperty;
class BaseProperty;
class CostPropertyNumOrEnum;
} // namespace CCAPIBaseCommon

namespace Velmaris {

// A numeric property's value and allowed range as stored.
struct StoredNumber
{
    double value;
    double minimum;
    double maximum;
};

// Reads the stored numbers of many properties of one kind without making a number's model for
// each, as a cell shared by many objects must: a number's shown value and bounds grow with the
// stored ones, so comparing stored numbers orders the shown ones alike.
class StoredNumberReader
{
public:
    // None for a property of neither numeric class.
    std::optional<StoredNumber> operator()(const CCAPIBaseCommon::BaseProperty &property);

private:
    CachedCast<CCAPIBaseCommon::CostPropertyNumOrEnum> m_single;
    CachedCast<CCAPIBaseCommon::BaseMultiProperty> m_multi;
};

} // namespace Velmaris
