#include <velmaris/model/ProcPlanBaseQItemModel.h>

#include <velmaris/host/objects/PropertySignalContainer.h>
#include <velmaris/host/property/BaseProperty.h>

#include <algorithm>
#include <limits>
#include <utility>

namespace Velmaris {

namespace {

bool isSelected(const PropertySignalContainer *container, bool useLabelKeyVisibility, bool showAll)
{
    if (!useLabelKeyVisibility && showAll)
        return true;
    if (!container || !container->isValid())
        return false;
    const CCAPIBaseCommon::BaseProperty *property = container->getProperty();
    return useLabelKeyVisibility ? property->getLabelKey()->isVisible() : property->isPropertyVisible();
}

// A container without a property (only show-all selects one) sorts after every other.
std::pair<bool, int> displayOrder(const PropertySignalContainer *container)
{
    const CCAPIBaseCommon::BaseProperty *property = container ? container->getProperty() : nullptr;
    if (!property)
        return {true, std::numeric_limits<int>::max()};
    return {false, property->getLabelKey()->getDisplayPosition()};
}

} // namespace

std::vector<std::shared_ptr<PropertySignalContainer>>
ProcPlanBaseQItemModel::sortAndReturnOnlyVisibleProps(
    const std::vector<std::shared_ptr<PropertySignalContainer>> &containers,
    bool useLabelKeyVisibility)
{
    std::vector<std::shared_ptr<PropertySignalContainer>> visible;
    visible.reserve(containers.size());
    const bool showAll = s_showAllProperties;
    for (const auto &container : containers) {
        if (isSelected(container.get(), useLabelKeyVisibility, showAll))
            visible.push_back(container);
    }
    std::sort(visible.begin(), visible.end(), [](const auto &a, const auto &b) {
        return displayOrder(a.get()) < displayOrder(b.get());
    });
    return visible;
}

} // namespace Velmaris
