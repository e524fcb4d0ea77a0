#include "app/plan/PlanLabels.h"

namespace VelmarisEditor {

std::string PlanLabels::getLabel(const std::string &key) const
{
    std::string label = DataBaseControl::getLabel(key);
    return label.empty() ? key : label;
}

} // namespace VelmarisEditor
