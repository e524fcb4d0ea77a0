#pragma once

#include <velmaris/model/SharedProperties.h>

#include <velmaris/host/access/DataBaseControl.h>
#include <velmaris/host/access/ProcessLayoutController.h>
#include <velmaris/host/objects/ProcessLayout.h>
#include <velmaris/host/objects/TSObject.h>

#include <QModelIndex>

#include <memory>
#include <vector>

namespace Velmaris {
class ProcPlanBaseQItemModel;
}

// Objects selected together, each with the same ten properties of the realistic mix (two
// whole numbers, three doubles, a price, two choices, a text, a flag); numbers differ from
// object to object, the rest is alike.
struct ObjectSelection
{
    static constexpr int propertyCount = 10;
    // The first double of every object.
    static constexpr std::size_t editedProperty = 2;

    explicit ObjectSelection(int objectCount);

    CCAPIAccess::DataBaseControl labels;
    CCAPIAccess::ProcessLayoutController controller{&labels};
    std::shared_ptr<Velmaris::ProcessLayout> layout = std::make_shared<Velmaris::ProcessLayout>(&labels);
    std::vector<std::unique_ptr<CCAPIProcessLayout::TSObject>> owners;
    std::vector<Velmaris::ObjectProperties> objects;
};

// The rows of properties, label and value, that the objects share, as an editor fills them;
// the value cells, in the order of sharedProperties().
std::vector<QModelIndex> fillShared(Velmaris::ProcPlanBaseQItemModel &model, ObjectSelection &selection,
                                    const std::vector<Velmaris::SharedProperty> &shared);
