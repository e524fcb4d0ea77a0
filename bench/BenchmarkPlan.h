#pragma once

#include <velmaris/host/access/DataBaseControl.h>
#include <velmaris/host/access/ProcessLayoutController.h>
#include <velmaris/host/objects/PropertySignalContainer.h>

#include <QModelIndex>

#include <memory>
#include <vector>

namespace CCAPIBaseCommon {
class BaseProperty;
}

namespace Velmaris {
class ProcPlanBaseQItemModel;
}

struct MixEntry;

// The host property that entry describes, shown at position.
std::shared_ptr<CCAPIBaseCommon::BaseProperty> makeProperty(const MixEntry &entry, int position);

// An object with n properties of the realistic mix (mixEntry), as host objects, with
// their labels and a reference property each.
struct BenchmarkPlan
{
    explicit BenchmarkPlan(int n);

    CCAPIAccess::DataBaseControl labels;
    CCAPIAccess::ProcessLayoutController controller{&labels};
    std::vector<std::shared_ptr<Velmaris::PropertySignalContainer>> containers;
    std::vector<std::shared_ptr<CCAPIBaseCommon::BaseProperty>> references;
};

// Fills the model as the editor fills its view: the header, then for every visible property
// its category, a new row of two cells, the label and the value; all of that `times` over,
// each time in new rows.
void fillLikeEditor(Velmaris::ProcPlanBaseQItemModel &model, BenchmarkPlan &plan, int times = 1);

// Fills one row again as the editor does after a command: label (its mark cleared first) and
// value.
void refreshRow(Velmaris::ProcPlanBaseQItemModel &model, BenchmarkPlan &plan, std::size_t property,
                const QModelIndex &valueCell);

// The value cell of the plan's property in a model filled by fillLikeEditor.
QModelIndex valueCellOf(const Velmaris::ProcPlanBaseQItemModel &model, BenchmarkPlan &plan, std::size_t property);
