#include <velmaris/host/objects/PropertySignalContainer.h>

#include <velmaris/host/objects/Object.h>
#include <velmaris/host/property/BaseProperty.h>

#include <utility>

namespace Velmaris {

PropertySignalContainer::PropertySignalContainer(
    std::shared_ptr<CCAPIBaseCommon::BaseProperty> property, std::shared_ptr<Object> parent)
    : m_property(std::move(property))
    , m_parent(std::move(parent))
{
}

std::shared_ptr<PropertySignalContainer>
PropertySignalContainer::make(std::shared_ptr<CCAPIBaseCommon::BaseProperty> property,
                              std::shared_ptr<Object> parent)
{
    return std::make_shared<PropertySignalContainer>(std::move(property), std::move(parent));
}

} // namespace Velmaris
