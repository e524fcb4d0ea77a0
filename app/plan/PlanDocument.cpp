#include "app/plan/PlanDocument.h"

#include <velmaris/host/property/BaseProperty.h>

namespace VelmarisEditor {

void PlanObject::reserve(std::size_t properties)
{
    m_properties.reserve(properties);
    m_byKey.reserve(properties);
}

bool PlanObject::addProperty(const PropertyContainer &container)
{
    const std::string &key = container->getProperty()->getLabelKey()->getStringKey();
    if (!m_byKey.emplace(key, m_properties.size()).second)
        return false;
    m_properties.push_back(container);
    return true;
}

const PropertyContainer *PlanObject::container(const std::string &key) const
{
    const auto found = m_byKey.find(key);
    return found == m_byKey.end() ? nullptr : &m_properties[found->second];
}

CCAPIBaseCommon::BaseProperty *PlanObject::property(const std::string &key) const
{
    const PropertyContainer *found = container(key);
    return found ? (*found)->getProperty() : nullptr;
}

PlanDocument::PlanDocument()
    : layout(std::make_shared<Velmaris::ProcessLayout>(&labels))
{
}

void PlanDocument::reserve(std::size_t objects)
{
    m_objects.reserve(objects);
    m_byId.reserve(objects);
}

bool PlanDocument::addObject(PlanObject object)
{
    if (!m_byId.emplace(object.id, m_objects.size()).second)
        return false;
    m_objects.push_back(std::move(object));
    return true;
}

int PlanDocument::row(int id) const
{
    const auto found = m_byId.find(id);
    return found == m_byId.end() ? -1 : static_cast<int>(found->second);
}

const PlanObject *PlanDocument::object(int id) const
{
    const int at = row(id);
    return at < 0 ? nullptr : &m_objects[static_cast<std::size_t>(at)];
}

CCAPIBaseCommon::BaseProperty *PlanDocument::property(int objectId, const std::string &key) const
{
    const PlanObject *found = object(objectId);
    return found ? found->property(key) : nullptr;
}

} // namespace VelmarisEditor
