#pragma once

#include <string>

namespace CCAPIBaseCommon {
class CostPropertyEnum;
class ITranslator;
} // namespace CCAPIBaseCommon

namespace Velmaris {

// The label of an enumeration's allowed value at index, as the value cell, the reference
// tooltip and the modify command all name it; empty when the index lies outside the values.
std::string enumerationLabel(const CCAPIBaseCommon::CostPropertyEnum &property,
                             const CCAPIBaseCommon::ITranslator &translator, int index);

} // namespace Velmaris
