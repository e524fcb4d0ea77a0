#include "app/plan/PlanDocument.h"

#include <velmaris/host/property/BaseProperty.h>

#include <algorithm>

namespace VelmarisEditor {

CCAPIBaseCommon::BaseProperty *PlanObject::property(const std::string &key) const
{
    for (const auto &container : properties) {
        CCAPIBaseCommon::BaseProperty *p = container->getProperty();
        if (p && p->getLabelKey()->getStringKey() == key)
            return p;
    }
    return nullptr;
}

PlanDocument::PlanDocument()
    : layout(std::make_shared<Velmaris::ProcessLayout>(&labels))
{
}

const PlanObject *PlanDocument::object(int id) const
{
    const auto found = std::find_if(objects.begin(), objects.end(), [id](const PlanObject &o) { return o.id == id; });
    return found == objects.end() ? nullptr : &*found;
}

CCAPIBaseCommon::BaseProperty *PlanDocument::property(int objectId, const std::string &key) const
{
    const PlanObject *found = object(objectId);
    return found ? found->property(key) : nullptr;
}

} // namespace VelmarisEditor
