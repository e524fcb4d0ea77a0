#pragma once

#include <string>
#include <variant>

namespace CCAPIBaseCommon {

// Type codes answered by BaseProperty::getPropertyType.
enum PropertyType : int {
    IntegerPropertyType = 0,
    DoublePropertyType = 1,
    StringPropertyType = 2,
    BooleanPropertyType = 3,
    EnumPropertyType = 4,
    MultiValuePropertyType = 5,
    MultiLotPropertyType = 6,
};

// The value a property holds, in the form of its kind: an enumeration holds its index.
// monostate stands for "no value at all" (an empty multi-valued property).
using PropertyValue = std::variant<std::monostate, bool, int, double, std::string>;

// Everything an undo has to put back.
struct PropertyState
{
    PropertyValue value;
    bool noValue = false;
    bool modified = false;
};

} // namespace CCAPIBaseCommon
