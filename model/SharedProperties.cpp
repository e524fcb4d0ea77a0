#include <velmaris/model/SharedProperties.h>

#include <velmaris/model/CachedCast.h>
#include <velmaris/model/ProcPlanBaseQItemModel.h>
#include <velmaris/model/ShownProperty.h>
#include <velmaris/model/StoredNumber.h>
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

// Whether a property is a number does not depend on the currency it would be shown in.
const std::string s_anyCurrency;

BaseProperty &propertyOf(const SharedPropertyMember &member) { return *member.container->getProperty(); }

// Multi-valued numbers of whole and of real values share a type code but not an editor. Only
// their codes are cast: a failing cast costs as much as the rest of the comparison.
int valueTypeOf(const BaseProperty &property, int typeCode)
{
    if (typeCode != CCAPIBaseCommon::MultiValuePropertyType && typeCode != CCAPIBaseCommon::MultiLotPropertyType)
        return -1;
    const auto *multi = dynamic_cast<const CCAPIBaseCommon::BaseMultiProperty *>(&property);
    return multi ? multi->getValueType() : -1;
}

bool sameKind(const BaseProperty &a, const BaseProperty &b)
{
    const int code = a.getPropertyType();
    return code == b.getPropertyType() && valueTypeOf(a, code) == valueTypeOf(b, code);
}

// One unit, and a value that every range allows.
bool numbersAgree(const SharedProperty &shared)
{
    StoredNumberReader read;
    const std::string unit = propertyOf(shared.members.front()).getUnit();
    double lowest = std::numeric_limits<double>::lowest();
    double highest = std::numeric_limits<double>::max();
    for (const SharedPropertyMember &member : shared.members) {
        const BaseProperty &property = propertyOf(member);
        const auto number = read(property);
        if (!number || property.getUnit() != unit)
            return false;
        lowest = std::max(lowest, number->minimum);
        highest = std::min(highest, number->maximum);
    }
    return lowest <= highest;
}

// The value keys that every enumeration allows, in the first one's order, each once; empty
// when a property of the enumeration's code is no enumeration.
std::vector<std::string> commonAllowedValues(const SharedProperty &shared)
{
    CachedCast<CCAPIBaseCommon::CostPropertyEnum> asChoice;
    std::vector<const CCAPIBaseCommon::CostPropertyEnum *> choices;
    choices.reserve(shared.members.size());
    for (const SharedPropertyMember &member : shared.members) {
        const auto *choice = asChoice(propertyOf(member));
        if (!choice)
            return {};
        choices.push_back(choice);
    }
    // Per key of the first: how many of the other objects allow it, each counted once.
    struct Allowed
    {
        std::size_t lastObject = 0;
        std::size_t objects = 0;
    };
    std::unordered_map<std::string_view, Allowed> allowed;
    const std::vector<std::string> &firstAllowed = choices.front()->getAllowedValues();
    for (const std::string &key : firstAllowed)
        allowed.emplace(key, Allowed{});
    // Objects of one kind mostly offer the same values: those allow every key at once.
    std::size_t alike = 0;
    for (std::size_t i = 1; i < choices.size(); ++i) {
        const std::vector<std::string> &own = choices[i]->getAllowedValues();
        if (own == firstAllowed) {
            ++alike;
            continue;
        }
        for (const std::string &key : own) {
            const auto found = allowed.find(key);
            if (found != allowed.end() && found->second.lastObject != i) {
                found->second.lastObject = i;
                ++found->second.objects;
            }
        }
    }
    std::vector<std::string> common;
    for (const std::string &key : firstAllowed) {
        Allowed &entry = allowed.at(key);
        if (entry.objects + alike == choices.size() - 1) {
            common.push_back(key);
            entry.objects = choices.size(); // each key once
        }
    }
    return common;
}

// Applies the rules of each kind; fills in what the view offers of an enumeration.
bool agrees(SharedProperty &shared)
{
    BaseProperty &first = propertyOf(shared.members.front());
    if (tryCreatePropertyNumber(&first, s_anyCurrency, 1.0, false))
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
    // The other objects' order does not matter: their properties are only looked up.
    const bool showAll = ProcPlanBaseQItemModel::getShowAllProperties();
    for (std::size_t i = 1; i < objects.size(); ++i) {
        const auto &containers = objects[i].containers;
        for (std::size_t k = 0; k < containers.size(); ++k) {
            const auto &container = containers[k];
            if (!shows(container) || !isShownProperty(container.get(), useLabelKeyVisibility, showAll))
                continue;
            const BaseProperty &property = *container->getProperty();
            const std::string &key = property.getLabelKey()->getStringKey();
            // Objects of one kind mostly list their properties alike: the candidate in the same
            // place is tried before the hash.
            std::size_t place = k;
            if (place >= candidates.size() || candidates[place].key != key) {
                const auto found = candidateOfKey.find(key);
                if (found == candidateOfKey.end())
                    continue;
                place = found->second;
            }
            SharedProperty &candidate = candidates[place];
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
