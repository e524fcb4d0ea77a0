#include <velmaris/host/comparison/ProcessPlanReferenceComparison.h>

#include <velmaris/host/property/BaseProperty.h>

#include <cmath>

namespace Velmaris {

namespace {

int s_calls = 0;

bool sameValue(const CCAPIBaseCommon::PropertyValue &a, const CCAPIBaseCommon::PropertyValue &b)
{
    const double *x = std::get_if<double>(&a);
    const double *y = std::get_if<double>(&b);
    if (x && y && std::isnan(*x) && std::isnan(*y))
        return true;
    return a == b;
}

} // namespace

bool ProcessPlanReferenceComparison::isPropertyEqual(const CCAPIBaseCommon::BaseProperty *property,
                                                     const CCAPIBaseCommon::BaseProperty *reference,
                                                     bool *differsInValueOnly)
{
    ++s_calls;
    const bool sameKind = property && reference
                          && property->getPropertyType() == reference->getPropertyType();
    bool equal = false;
    if (sameKind) {
        const bool bothEmpty = property->hasNoValue() && reference->hasNoValue();
        equal = bothEmpty
                || (property->hasNoValue() == reference->hasNoValue()
                    && sameValue(property->value(), reference->value()));
    }
    if (differsInValueOnly)
        *differsInValueOnly = sameKind && !equal;
    return equal;
}

int ProcessPlanReferenceComparison::callCount() { return s_calls; }
void ProcessPlanReferenceComparison::resetCallCount() { s_calls = 0; }

} // namespace Velmaris
