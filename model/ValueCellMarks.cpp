#include <velmaris/model/ValueCellMarks.h>

#include <velmaris/model/ItemDataRoles.h>

#include <velmaris/host/comparison/ProcessPlanReferenceComparison.h>
#include <velmaris/host/property/ScalarProperties.h>

namespace Velmaris {

int valueStateFlags(const CCAPIBaseCommon::BaseProperty &property, const CCAPIBaseCommon::BaseProperty *comparison,
                    bool kindAttention, bool differsFromReference)
{
    int flags = property.hasNoValue() ? AttentionFlag : 0;
    const bool changed = comparison ? !ProcessPlanReferenceComparison::isPropertyEqual(&property, comparison, nullptr)
                                    : property.isModified();
    if (changed)
        flags |= ChangedFlag;
    // The range is not asked about when the kind already needs attention.
    if (kindAttention || property.isRangeApplied())
        flags |= AttentionFlag;
    if (differsFromReference)
        flags |= ReferenceMismatchFlag;
    return flags;
}

bool readOnlyCell(const CCAPIBaseCommon::CostProperty *cost, bool forceEditable, bool forceReadOnly)
{
    if (forceReadOnly || forceEditable)
        return forceReadOnly;
    return !cost || !cost->editable();
}

bool outsideAllowedValues(const CCAPIBaseCommon::CostPropertyEnum &choice)
{
    const int index = choice.getIndexValue();
    return index < 0 || static_cast<std::size_t>(index) >= choice.getAllowedValues().size();
}

} // namespace Velmaris
