#pragma once

#include "app/plan/PlanLabels.h"

#include <velmaris/host/access/ProcessLayoutController.h>
#include <velmaris/host/objects/Object.h>
#include <velmaris/host/objects/ProcessLayout.h>
#include <velmaris/host/objects/PropertySignalContainer.h>
#include <velmaris/host/objects/TSObject.h>

#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

namespace CCAPIBaseCommon {
class BaseProperty;
}

namespace VelmarisEditor {

using PropertyContainer = std::shared_ptr<Velmaris::PropertySignalContainer>;

// One object of a plan with its properties in file order, found by key in constant time: an
// object may hold a hundred thousand of them, and every filled row looks one up.
struct PlanObject
{
    int id = 0;
    std::string kind; // "operation", "feature", "assembly" or "tool"
    std::shared_ptr<CCAPIProcessLayout::TSObject> owner;
    std::shared_ptr<Velmaris::Object> object;

    const std::vector<PropertyContainer> &properties() const { return m_properties; }
    void reserve(std::size_t properties);
    // False, and nothing added, when the object already holds a property of the key.
    bool addProperty(const PropertyContainer &container);
    // Null when the object holds no property of the key.
    const PropertyContainer *container(const std::string &key) const;
    CCAPIBaseCommon::BaseProperty *property(const std::string &key) const;

private:
    std::vector<PropertyContainer> m_properties;
    std::unordered_map<std::string, std::size_t> m_byKey;
};

// A process plan as the editor holds it: its labels, its objects in file order, found by id in
// constant time, and the services the library's commands and model expect around them.
class PlanDocument
{
public:
    PlanDocument();
    PlanDocument(const PlanDocument &) = delete;
    PlanDocument &operator=(const PlanDocument &) = delete;

    PlanLabels labels;
    CCAPIAccess::ProcessLayoutController controller{&labels};
    std::shared_ptr<Velmaris::ProcessLayout> layout;

    const std::vector<PlanObject> &objects() const { return m_objects; }
    // Room for the objects, so that a long plan is read without moving the ones read before.
    void reserve(std::size_t objects);
    // False, and nothing added, when the plan already holds an object of the id.
    bool addObject(PlanObject object);
    const PlanObject *object(int id) const;
    // The object's place in objects(); -1 when there is none of the id.
    int row(int id) const;
    CCAPIBaseCommon::BaseProperty *property(int objectId, const std::string &key) const;

private:
    std::vector<PlanObject> m_objects;
    std::unordered_map<int, std::size_t> m_byId;
};

} // namespace VelmarisEditor
