#include "bench/ObjectSelection.h"
#include "bench/BenchmarkPlan.h"
#include "bench/PropertyMix.h"

#include <velmaris/model/ProcPlanBaseQItemModel.h>

#include <velmaris/host/objects/Object.h>
#include <velmaris/host/objects/PropertySignalContainer.h>
#include <velmaris/host/property/BaseProperty.h>

#include <QStandardItem>

#include <array>

namespace {

// Indices of mixEntry() that give the kinds in the proportions of a plan.
constexpr std::array<int, ObjectSelection::propertyCount> mixIndices{0, 1, 3, 4, 5, 9, 12, 13, 15, 18};

} // namespace

ObjectSelection::ObjectSelection(int objectCount)
{
    for (int c = 0; c < categoryCount; ++c)
        labels.setLabel("CAT_" + std::to_string(c), labelOfKey("CAT_" + std::to_string(c)));
    for (int o = 0; o < objectCount; ++o) {
        const int generation = nextGeneration();
        const auto object = std::make_shared<Velmaris::Object>(o + 1);
        owners.push_back(std::make_unique<CCAPIProcessLayout::TSObject>("OP", "Operation " + std::to_string(o + 1)));
        Velmaris::ObjectProperties properties{object, {}};
        for (std::size_t p = 0; p < mixIndices.size(); ++p) {
            const MixEntry entry = mixEntry(mixIndices[p], generation);
            labels.setLabel(entry.key, entry.label);
            for (const std::string &choice : entry.choiceKeys)
                labels.setLabel(choice, labelOfKey(choice));
            auto property = makeProperty(entry, static_cast<int>(p));
            property->setOwnerObject(owners.back().get());
            properties.containers.push_back(Velmaris::PropertySignalContainer::make(property, object));
        }
        objects.push_back(std::move(properties));
    }
}

std::vector<QModelIndex> fillShared(Velmaris::ProcPlanBaseQItemModel &model, ObjectSelection &selection,
                                    const std::vector<Velmaris::SharedProperty> &shared)
{
    model.setColumnCount(2);
    std::vector<QModelIndex> cells;
    cells.reserve(shared.size());
    for (const Velmaris::SharedProperty &property : shared) {
        const auto &first = property.members.front().container;
        const QModelIndex category = model.categoryIndex(&selection.controller, first);
        QStandardItem *categoryItem = model.itemFromIndex(category);
        categoryItem->appendRow({new QStandardItem, new QStandardItem});
        const int row = categoryItem->rowCount() - 1;
        model.generateLabelQitem(&selection.labels, first->getProperty()->getLabelKey(), model.index(row, 0, category),
                                 false);
        cells.push_back(model.index(row, 1, category));
        model.updateSharedPropertyValueAt(&selection.labels, property, {}, cells.back(), false);
    }
    return cells;
}
