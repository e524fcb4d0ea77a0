#pragma once

namespace CCAPIBaseCommon {
class BaseProperty;
class CostProperty;
class CostPropertyEnum;
} // namespace CCAPIBaseCommon

namespace Velmaris {

// The marks of a property's value cell besides its value, alike for a cell of one object and
// for each object of a shared cell.

// StateFlagsRole: no value, changed (against comparison when given), attention (kindAttention:
// the value lies outside what its kind allows), differs from the reference.
int valueStateFlags(const CCAPIBaseCommon::BaseProperty &property, const CCAPIBaseCommon::BaseProperty *comparison,
                    bool kindAttention, bool differsFromReference);

// ReadOnlyRole: forceReadOnly wins over forceEditable, which wins over the property's own say;
// cost is the property as a CostProperty, null when it is none (and then not editable).
bool readOnlyCell(const CCAPIBaseCommon::CostProperty *cost, bool forceEditable, bool forceReadOnly);

// An index that names none of the allowed values, as a plan shows a value no longer offered.
bool outsideAllowedValues(const CCAPIBaseCommon::CostPropertyEnum &choice);

} // namespace Velmaris
