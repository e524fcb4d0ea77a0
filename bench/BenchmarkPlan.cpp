#include "bench/BenchmarkPlan.h"
#include "bench/PropertyMix.h"

#include <velmaris/model/ProcPlanBaseQItemModel.h>
#include <velmaris/model/PropertyRowWalk.h>

#include <velmaris/host/objects/Object.h>
#include <velmaris/host/property/NumericProperties.h>
#include <velmaris/host/property/ScalarProperties.h>

#include <QStandardItem>

using namespace CCAPIBaseCommon;

namespace {

constexpr int labelColumn = 0;
constexpr int valueColumn = 1;

} // namespace

std::shared_ptr<BaseProperty> makeProperty(const MixEntry &entry, int position)
{
    LabelKey key(entry.key, entry.categoryKey, position);
    switch (entry.kind) {
    case MixEntry::Kind::Integer:
        return std::make_shared<CostPropertyInteger>(key, static_cast<int>(entry.number), entry.unit,
                                                     static_cast<int>(entry.minimum), static_cast<int>(entry.maximum));
    case MixEntry::Kind::Double:
    case MixEntry::Kind::Price:
        return std::make_shared<CostPropertyDouble>(key, entry.number, entry.unit, entry.minimum, entry.maximum);
    case MixEntry::Kind::Choice:
        return std::make_shared<CostPropertyEnum>(key, entry.choiceKeys, entry.choice);
    case MixEntry::Kind::Text:
        return std::make_shared<CostPropertyString>(key, entry.text);
    case MixEntry::Kind::Boolean:
        break;
    }
    return std::make_shared<CostPropertyBoolean>(key, entry.flag);
}

BenchmarkPlan::BenchmarkPlan(int n)
{
    for (int c = 0; c < categoryCount; ++c)
        labels.setLabel("CAT_" + std::to_string(c), labelOfKey("CAT_" + std::to_string(c)));
    const auto parent = std::make_shared<Velmaris::Object>(1);
    const int generation = nextGeneration();
    for (int i = 0; i < n; ++i) {
        const MixEntry entry = mixEntry(i, generation);
        labels.setLabel(entry.key, entry.label);
        for (const std::string &choice : entry.choiceKeys)
            labels.setLabel(choice, labelOfKey(choice));
        containers.push_back(Velmaris::PropertySignalContainer::make(makeProperty(entry, i), parent));
        references.push_back(makeProperty(mixEntry(i, generation, true), i));
    }
}

void fillLikeEditor(Velmaris::ProcPlanBaseQItemModel &model, BenchmarkPlan &plan, int times)
{
    model.setColumnCount(2);
    model.setHorizontalHeaderLabels({QStringLiteral("Property"), QStringLiteral("Value")});
    for (int pass = 0; pass < times; ++pass) {
        const auto visible = Velmaris::ProcPlanBaseQItemModel::sortAndReturnOnlyVisibleProps(plan.containers, false);
        // Display positions are the plan's indices, so visible[i] is property i.
        for (std::size_t i = 0; i < visible.size(); ++i) {
            const QModelIndex category = model.categoryIndex(&plan.controller, visible[i]);
            QStandardItem *categoryItem = model.itemFromIndex(category);
            categoryItem->appendRow({new QStandardItem, new QStandardItem});
            refreshRow(model, plan, i, model.index(categoryItem->rowCount() - 1, valueColumn, category));
        }
    }
}

void refreshRow(Velmaris::ProcPlanBaseQItemModel &model, BenchmarkPlan &plan, std::size_t property,
                const QModelIndex &valueCell)
{
    const QModelIndex labelCell = valueCell.siblingAtColumn(labelColumn);
    BaseProperty *shown = plan.containers[property]->getProperty();
    model.setDataQuietly(labelCell, QVariant(), Velmaris::MarkedLabelRole);
    model.generateLabelQitem(&plan.labels, shown->getLabelKey(), labelCell, shown->isModified());
    model.updatePropertyValueAt(&plan.labels, plan.containers[property], plan.references[property].get(),
                                valueCell, 0, false);
}

QModelIndex valueCellOf(const Velmaris::ProcPlanBaseQItemModel &model, BenchmarkPlan &plan, std::size_t property)
{
    const std::string &key = plan.containers[property]->getProperty()->getLabelKey()->getStringKey();
    QModelIndex found;
    Velmaris::forEachPropertyRow(model, [&](const QModelIndex &row) {
        if (model.getPropertyKeyAtIndex(row) == key)
            found = row.siblingAtColumn(valueColumn);
    });
    return found;
}
