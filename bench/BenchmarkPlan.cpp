#include "bench/BenchmarkPlan.h"

#include <velmaris/host/objects/Object.h>
#include <velmaris/host/property/NumericProperties.h>
#include <velmaris/host/property/ScalarProperties.h>

#include <QStandardItem>

#include <string>

using namespace CCAPIBaseCommon;

namespace {

std::shared_ptr<BaseProperty> makeProperty(int i, bool reference)
{
    const LabelKey key("P_" + std::to_string(i), "CAT", i);
    const double shift = reference && i % 7 == 0 ? 1.0 : 0.0;
    const int kind = i % 20;
    if (kind < 4)
        return std::make_shared<CostPropertyDouble>(key, 10.0 + i % 100 + shift, "usd", 0.0, 5000.0);
    if (kind < 12)
        return std::make_shared<CostPropertyDouble>(key, 1.5 * (i % 50) + shift, "mm", 0.0, 100.0);
    if (kind < 15)
        return std::make_shared<CostPropertyEnum>(key, std::vector<std::string>{"MAT_Steel", "MAT_Alu", "MAT_Ti"},
                                                  (i + int(shift)) % 3);
    if (kind < 18)
        return std::make_shared<CostPropertyString>(key, "Part <" + std::to_string(i + int(shift)) + ">");
    return std::make_shared<CostPropertyBoolean>(key, (i + int(shift)) % 2 == 0);
}

} // namespace

BenchmarkPlan::BenchmarkPlan(int n)
{
    labels.setLabel("MAT_Steel", "Steel");
    labels.setLabel("MAT_Alu", "Aluminium");
    labels.setLabel("MAT_Ti", "Titanium");
    const auto parent = std::make_shared<Velmaris::Object>(1);
    for (int i = 0; i < n; ++i) {
        labels.setLabel("P_" + std::to_string(i), "Property " + std::to_string(i));
        containers.push_back(Velmaris::PropertySignalContainer::make(makeProperty(i, false), parent));
        references.push_back(makeProperty(i, true));
    }
}

BenchmarkRows::BenchmarkRows(int n)
{
    QStandardItem *category = model.itemFromIndex(model.categoryIndex("CAT", "Category"));
    labelCells.reserve(static_cast<std::size_t>(n));
    valueCells.reserve(static_cast<std::size_t>(n));
    for (int i = 0; i < n; ++i) {
        auto *label = new QStandardItem;
        auto *value = new QStandardItem;
        category->appendRow({label, value});
        labelCells.push_back(label->index());
        valueCells.push_back(value->index());
    }
}

void fillRows(BenchmarkRows &rows, BenchmarkPlan &plan)
{
    for (std::size_t i = 0; i < rows.valueCells.size(); ++i)
        rows.model.updatePropertyValueAt(&plan.labels, plan.containers[i], plan.references[i].get(),
                                         rows.valueCells[i], 0, false);
}
