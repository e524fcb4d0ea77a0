#pragma once

#include <string>
#include <variant>

/// \defgroup hoststandin Host stand-in
/// A stand-in for the host application's own property, translation, command, file and widget
/// libraries (component `HostStandIn`, target `Velmaris::velmaris_host`), with which the
/// library is built and tested. A real host links its own libraries instead; what is
/// documented here is the part of their contract that the library relies on.

/// Stand-in for the host's common library: properties, their labels and translation.
/// \ingroup hoststandin
namespace CCAPIBaseCommon {

/// \addtogroup hoststandin
/// @{

/// Type codes answered by BaseProperty::getPropertyType.
enum PropertyType : int {
    IntegerPropertyType = 0,    ///< CostPropertyInteger
    DoublePropertyType = 1,     ///< CostPropertyDouble
    StringPropertyType = 2,     ///< CostPropertyString
    BooleanPropertyType = 3,    ///< CostPropertyBoolean
    EnumPropertyType = 4,       ///< CostPropertyEnum
    MultiValuePropertyType = 5, ///< BaseMultiProperty over the plan's variants
    MultiLotPropertyType = 6,   ///< BaseMultiProperty over lot sizes
};

/// The value a property holds, in the form of its kind: an enumeration holds its index.
/// monostate stands for "no value at all" (an empty multi-valued property).
using PropertyValue = std::variant<std::monostate, bool, int, double, std::string>;

/// Everything an undo has to put back.
struct PropertyState
{
    PropertyValue value;   ///< In the form of the property's kind.
    bool noValue = false;  ///< BaseProperty::hasNoValue().
    bool modified = false; ///< BaseProperty::isModified().
};

/// @}

} // namespace CCAPIBaseCommon
