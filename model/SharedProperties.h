#pragma once

#include <velmaris/velmaris_export.h>

#include <memory>
#include <string>
#include <vector>

namespace Velmaris {

class Object;
class PropertySignalContainer;

/// @file
/// The properties that several objects share, for editing them all at once.

/// One of several objects edited together, given as the model takes one object: the object
/// and its property containers.
struct ObjectProperties
{
    std::shared_ptr<Object> object;                                 ///< Handed to its commands.
    std::vector<std::shared_ptr<PropertySignalContainer>> containers; ///< All of its properties.
};

/// One object's part in a SharedProperty.
struct SharedPropertyMember
{
    std::shared_ptr<Object> object;                  ///< As given in ObjectProperties.
    std::shared_ptr<PropertySignalContainer> container; ///< The object's property of the shared key.
};

/// A property that every one of several objects shows, with the same key and the same kind.
/// ProcPlanBaseQItemModel fills one value cell from it and turns an edit of that cell into
/// one command over all the objects.
struct SharedProperty
{
    std::string key;                          ///< The properties' string key.
    std::vector<SharedPropertyMember> members; ///< One per object, in the objects' order.
    /// Enumerations: the value keys that every object allows, in the first object's order,
    /// each once; empty for every other kind.
    std::vector<std::string> allowedValues;
};

/// The properties that all @p objects show (chosen as sortAndReturnOnlyVisibleProps()
/// chooses them with @p useLabelKeyVisibility), in the first object's display order.
///
/// A key is shared when every object shows a property of it of the same kind: the same type
/// code and, for multi-valued numbers, the same value type. An object that shows a key twice
/// takes part with the first of them, in the order of its containers, that is of that kind.
/// Beyond that:
/// - numbers are shared only with one unit, as a value without its unit would be ambiguous;
///   their allowed ranges must overlap, and the view offers the overlap;
/// - enumerations are shared when at least one value key is allowed in every object; the
///   view offers those keys, and each object stores its own index of the chosen key;
/// - texts and booleans are shared by key and kind alone; a text is edited over several
///   lines only when it is in every object.
///
/// Costs time in proportion to the number of objects times their properties.
VELMARIS_EXPORT std::vector<SharedProperty> sharedProperties(const std::vector<ObjectProperties> &objects,
                                                             bool useLabelKeyVisibility);

} // namespace Velmaris
