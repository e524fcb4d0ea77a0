#include <velmaris/model/SharedProperties.h>

#include <velmaris/model/ProcPlanBaseQItemModel.h>
#include <velmaris/number/PropertyNumberConcept.h>

#include <velmaris/host/objects/PropertySignalContainer.h>
#include <velmaris/host/property/BaseMultiProperty.h>
#include <velmaris/host/property/ScalarProperties.h>

#include <algorithm>
#include <limits>
#include <string_view>
#include <unordered_map>

namespace Velmaris {

namespace {

using CCAPIBaseCommon::BaseProperty;

// Prices compared as stored: converted at the rate 1.
const std::string s_storedCurrency;

BaseProperty &propertyOf(const SharedPropertyMember &member) { return *member.container->getProperty(); }

// Multi-valued numbers of whole and of real values share a type code but not an editor.
int valueTypeOf(const BaseProperty &property)
{
    const auto *multi = dynamic_cast<const CCAPIBaseCommon::BaseMultiProperty *>(&property);
    return multi ? multi->getValueType() : -1;
}

bool sameKind(const BaseProperty &a, const BaseProperty &b)
{
    return a.getPropertyType() == b.getPropertyType() && valueTypeOf(a) == valueTypeOf(b);
}

// One unit, and a value that every range allows.
bool numbersAgree(const SharedProperty &shared)
{
    const std::string unit = propertyOf(shared.members.front()).getUnit();
    double lowest = std::numeric_limits<double>::lowest();
    double highest = std::numeric_limits<double>::max();
    for (const SharedPropertyMember &member : shared.members) {
        BaseProperty &property = propertyOf(member);
        if (property.getUnit() != unit)
            return false;
        const auto number = tryCreatePropertyNumber(&property, s_storedCurrency, 1.0, false);
        lowest = std::max(lowest, number->min());
        highest = std::min(highest, number->max());
    }
    return lowest <= highest;
}

// The value keys that every enumeration allows, in the first one's order, each once; empty
// when a property of the enumeration's code is no enumeration.
std::vector<std::string> commonAllowedValues(const SharedProperty &shared)
{
    std::vector<const CCAPIBaseCommon::CostPropertyEnum *> choices;
    choices.reserve(shared.members.size());
    for (const SharedPropertyMember &member : shared.members) {
        const auto *choice = dynamic_cast<const CCAPIBaseCommon::CostPropertyEnum *>(&propertyOf(member));
        if (!choice)
            return {};
        choices.push_back(choice);
    }
    // For each key of the first: the last object up to which every object allows it.
    std::unordered_map<std::string_view, std::size_t> allowedUpTo;
    const std::vector<std::string> &firstAllowed = choices.front()->getAllowedValues();
    for (const std::string &key : firstAllowed)
        allowedUpTo.emplace(key, 0);
    for (std::size_t i = 1; i < choices.size(); ++i) {
        for (const std::string &key : choices[i]->getAllowedValues()) {
            const auto found = allowedUpTo.find(key);
            if (found != allowedUpTo.end() && found->second == i - 1)
                found->second = i;
        }
    }
    std::vector<std::string> common;
    for (const std::string &key : firstAllowed) {
        auto &upTo = allowedUpTo.at(key);
        if (upTo == choices.size() - 1) {
            common.push_back(key);
            upTo = choices.size(); // each key once
        }
    }
    return common;
}

// Applies the rules of each kind; fills in what the view offers of an enumeration.
bool agrees(SharedProperty &shared)
{
    BaseProperty &first = propertyOf(shared.members.front());
    if (tryCreatePropertyNumber(&first, s_storedCurrency, 1.0, false))
        return numbersAgree(shared);
    if (first.getPropertyType() == CCAPIBaseCommon::EnumPropertyType) {
        shared.allowedValues = commonAllowedValues(shared);
        return !shared.allowedValues.empty();
    }
    return true;
}

bool shows(const std::shared_ptr<PropertySignalContainer> &container)
{
    return container && container->isValid();
}

} // namespace

std::vector<SharedProperty> sharedProperties(const std::vector<ObjectProperties> &objects, bool useLabelKeyVisibility)
{
    if (objects.empty())
        return {};
    std::vector<SharedProperty> candidates;
    // Keys point into the first object's label keys, which outlive this call.
    std::unordered_map<std::string_view, std::size_t> candidateOfKey;
    const auto &first = objects.front();
    for (const auto &container : ProcPlanBaseQItemModel::sortAndReturnOnlyVisibleProps(first.containers, useLabelKeyVisibility)) {
        if (!shows(container))
            continue;
        const std::string &key = container->getProperty()->getLabelKey()->getStringKey();
        if (candidateOfKey.emplace(key, candidates.size()).second) {
            candidates.push_back({key, {}, {}});
            candidates.back().members.reserve(objects.size());
            candidates.back().members.push_back({first.object, container});
        }
    }
    for (std::size_t i = 1; i < objects.size(); ++i) {
        for (const auto &container : ProcPlanBaseQItemModel::sortAndReturnOnlyVisibleProps(objects[i].containers, useLabelKeyVisibility)) {
            if (!shows(container))
                continue;
            const BaseProperty &property = *container->getProperty();
            const auto found = candidateOfKey.find(property.getLabelKey()->getStringKey());
            if (found == candidateOfKey.end())
                continue;
            SharedProperty &candidate = candidates[found->second];
            // Taken while every earlier object took part and this one has not yet.
            if (candidate.members.size() == i && sameKind(propertyOf(candidate.members.front()), property))
                candidate.members.push_back({objects[i].object, container});
        }
    }
    std::vector<SharedProperty> shared;
    for (SharedProperty &candidate : candidates) {
        if (candidate.members.size() == objects.size() && agrees(candidate))
            shared.push_back(std::move(candidate));
    }
    return shared;
}

} // namespace Velmaris
