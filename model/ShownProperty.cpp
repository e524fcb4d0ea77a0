#include <velmaris/model/ShownProperty.h>

#include <velmaris/host/objects/PropertySignalContainer.h>
#include <velmaris/host/property/BaseProperty.h>

namespace Velmaris {

bool isShownProperty(const PropertySignalContainer *container, bool useLabelKeyVisibility, bool showAll)
{
    if (!useLabelKeyVisibility && showAll)
        return true;
    if (!container || !container->isValid())
        return false;
    const CCAPIBaseCommon::BaseProperty *property = container->getProperty();
    return useLabelKeyVisibility ? property->getLabelKey()->isVisible() : property->isPropertyVisible();
}

} // namespace Velmaris
