#include <velmaris/model/ProcPlanBaseQItemModel.h>
#include <velmaris/model/ShownProperty.h>

#include <velmaris/host/objects/PropertySignalContainer.h>
#include <velmaris/host/property/BaseProperty.h>

#include <algorithm>
#include <limits>
#include <utility>

namespace Velmaris {

namespace {

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
    // Sorted by keys read once, beside the containers' places: comparing through the
    // containers chases three pointers per comparison and swapping them counts references.
    std::vector<std::pair<std::pair<bool, int>, std::size_t>> order;
    order.reserve(containers.size());
    const bool showAll = s_showAllProperties;
    for (std::size_t i = 0; i < containers.size(); ++i) {
        if (isShownProperty(containers[i].get(), useLabelKeyVisibility, showAll))
            order.emplace_back(displayOrder(containers[i].get()), i);
    }
    // Plans mostly keep their properties in display order; checking that costs a tenth of sorting.
    if (!std::is_sorted(order.begin(), order.end()))
        std::sort(order.begin(), order.end());
    std::vector<std::shared_ptr<PropertySignalContainer>> visible;
    visible.reserve(order.size());
    for (const auto &entry : order)
        visible.push_back(containers[entry.second]);
    return visible;
}

} // namespace Velmaris
