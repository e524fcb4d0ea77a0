#pragma once

#include <velmaris/host/access/DataBaseControl.h>
#include <velmaris/host/access/ProcessLayoutController.h>
#include <velmaris/host/objects/Object.h>
#include <velmaris/host/objects/ProcessLayout.h>
#include <velmaris/host/objects/PropertySignalContainer.h>
#include <velmaris/host/objects/TSObject.h>

#include <memory>
#include <string>
#include <vector>

namespace CCAPIBaseCommon {
class BaseProperty;
}

namespace VelmarisEditor {

// One object of a plan with its properties, in file order.
struct PlanObject
{
    int id = 0;
    std::string kind; // "operation", "feature", "assembly" or "tool"
    std::shared_ptr<CCAPIProcessLayout::TSObject> owner;
    std::shared_ptr<Velmaris::Object> object;
    std::vector<std::shared_ptr<Velmaris::PropertySignalContainer>> properties;

    CCAPIBaseCommon::BaseProperty *property(const std::string &key) const;
};

// A process plan as the editor holds it: its labels, its objects and the services the
// library's commands and model expect around them.
class PlanDocument
{
public:
    PlanDocument();
    PlanDocument(const PlanDocument &) = delete;
    PlanDocument &operator=(const PlanDocument &) = delete;

    CCAPIAccess::DataBaseControl labels;
    CCAPIAccess::ProcessLayoutController controller{&labels};
    std::shared_ptr<Velmaris::ProcessLayout> layout;
    std::vector<PlanObject> objects;

    const PlanObject *object(int id) const;
    CCAPIBaseCommon::BaseProperty *property(int objectId, const std::string &key) const;
};

} // namespace VelmarisEditor
