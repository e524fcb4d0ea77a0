#pragma once

#include <velmaris/host/access/DataBaseControl.h>

namespace VelmarisEditor {

// A plan's label database as the editor shows it: a key without a label in the active or the
// default language is shown as the key itself, so that a plan without labels still names its
// objects, properties, categories and choices.
class PlanLabels : public CCAPIAccess::DataBaseControl
{
public:
    using CCAPIAccess::DataBaseControl::getLabel;
    std::string getLabel(const std::string &key) const override;
};

} // namespace VelmarisEditor
