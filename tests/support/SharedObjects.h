#pragma once

#include "support/PlanObjects.h"

#include <velmaris/model/SharedProperties.h>

// Several plan objects, each given by its properties; ids count from 1 in the given order.
using Selection = std::vector<std::vector<PropertyPointer>>;
Q_DECLARE_METATYPE(Selection)

inline std::vector<ObjectProperties> objectsOf(const Selection &selection)
{
    std::vector<ObjectProperties> objects;
    for (const auto &properties : selection) {
        auto object = std::make_shared<Object>(static_cast<int>(objects.size()) + 1);
        ObjectProperties entry{object, {}};
        for (const PropertyPointer &property : properties)
            entry.containers.push_back(PropertySignalContainer::make(property, object));
        objects.push_back(entry);
    }
    return objects;
}

// One property per object, all of one key: the property they share.
inline SharedProperty sharedOf(const std::vector<PropertyPointer> &properties)
{
    Selection selection;
    for (const PropertyPointer &property : properties)
        selection.push_back({property});
    const auto shared = sharedProperties(objectsOf(selection), false);
    return shared.empty() ? SharedProperty{} : shared.front();
}

inline PropertyPointer number(double value, const std::string &unit = "mm", double minimum = 0.0, double maximum = 100.0,
                              const std::string &name = "P_Length")
{
    return std::make_shared<CostPropertyDouble>(key(name), value, unit, minimum, maximum);
}

inline PropertyPointer choice(std::vector<std::string> allowed, int index, const std::string &name = "P_Coolant")
{
    return std::make_shared<CostPropertyEnum>(key(name), std::move(allowed), index);
}

inline PropertyPointer text(const std::string &value, bool multiLine = false, const std::string &name = "P_Note")
{
    return std::make_shared<CostPropertyString>(key(name), value, multiLine);
}

inline PropertyPointer flag(bool value, const std::string &name = "P_Deburr")
{
    return std::make_shared<CostPropertyBoolean>(key(name), value);
}

inline PropertyPointer withoutValue(PropertyPointer property)
{
    property->setNoValue(true);
    return property;
}
