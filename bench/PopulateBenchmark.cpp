// Costs of filling and editing a property view, each against a baseline measured in the same
// binary; the summary prints the ratios.
#include "bench/BenchmarkMain.h"
#include "bench/BenchmarkPlan.h"
#include "bench/EditedRow.h"
#include "bench/EditorView.h"
#include "bench/FreshTarget.h"
#include "bench/RatioReporter.h"

#include <velmaris/model/ProcPlanBaseQItemModel.h>

#include <velmaris/host/property/BaseProperty.h>

#include <QStandardItem>

#include <benchmark/benchmark.h>

#include <map>
#include <memory>
#include <string>
#include <vector>

namespace {

// A model as the editor makes it, comparing with a reference plan.
struct ComparingModel : Velmaris::ProcPlanBaseQItemModel
{
    ComparingModel() { enableReferenceComparison(true); }
};

// What a fill wrote, in a form plain setData can replay: the category rows, then every
// property row in fill order with its category and the roles of its two cells.
struct RecordedFill
{
    struct Row
    {
        int category;
        QMap<int, QVariant> label;
        QMap<int, QVariant> value;
    };
    std::vector<QMap<int, QVariant>> categories;
    std::vector<Row> rows;
};

RecordedFill recordedFill(int n)
{
    BenchmarkPlan plan(n);
    ComparingModel model;
    fillLikeEditor(model, plan);
    RecordedFill recorded;
    std::map<std::string, int> categoryRows;
    for (int c = 0; c < model.rowCount(); ++c) {
        recorded.categories.push_back(model.itemData(model.index(c, 0)));
        categoryRows[model.getPropertyKeyAtIndex(model.index(c, 0))] = c;
    }
    std::vector<int> filled(recorded.categories.size(), 0);
    for (const auto &container : plan.containers) {
        const int c = categoryRows.at(container->getProperty()->getLabelKey()->getCategoryKey());
        const QModelIndex category = model.index(c, 0);
        const int row = filled[static_cast<std::size_t>(c)]++;
        recorded.rows.push_back({c, model.itemData(model.index(row, 0, category)),
                                 model.itemData(model.index(row, 1, category))});
    }
    return recorded;
}

template <typename Copy>
void writeRoles(QStandardItemModel &model, const QModelIndex &cell, const QMap<int, QVariant> &roles, Copy copy)
{
    for (auto role = roles.cbegin(); role != roles.cend(); ++role)
        model.setData(cell, copy(role.value()), role.key());
}

void setUpColumns(QStandardItemModel &model)
{
    model.setColumnCount(2);
    model.setHorizontalHeaderLabels({QStringLiteral("Property"), QStringLiteral("Value")});
}

// The same rows and cells written with plain setData into a plain item model. Out of line, so
// that a profiler can single it out.
template <typename Copy>
__attribute__((noinline)) void writePlainly(QStandardItemModel &model, const RecordedFill &fill, Copy copy)
{
    setUpColumns(model);
    std::vector<QStandardItem *> categories;
    for (const auto &roles : fill.categories) {
        categories.push_back(new QStandardItem);
        model.appendRow(categories.back());
        writeRoles(model, categories.back()->index(), roles, copy);
    }
    for (const RecordedFill::Row &row : fill.rows) {
        QStandardItem *category = categories[static_cast<std::size_t>(row.category)];
        category->appendRow({new QStandardItem, new QStandardItem});
        const int r = category->rowCount() - 1;
        writeRoles(model, model.index(r, 0, category->index()), row.label, copy);
        writeRoles(model, model.index(r, 1, category->index()), row.value, copy);
    }
}

QStandardItem *itemWith(const QMap<int, QVariant> &roles)
{
    auto *item = new QStandardItem;
    for (auto role = roles.cbegin(); role != roles.cend(); ++role)
        item->setData(role.value(), role.key());
    return item;
}

// The same items with the same roles, all built before any of them joins the model, which then
// takes each category whole: the least that making the same data costs, no model signal per
// cell.
__attribute__((noinline)) void appendPrebuilt(QStandardItemModel &model, const RecordedFill &fill)
{
    setUpColumns(model);
    std::vector<QStandardItem *> categories;
    for (const auto &roles : fill.categories)
        categories.push_back(itemWith(roles));
    for (const RecordedFill::Row &row : fill.rows)
        categories[static_cast<std::size_t>(row.category)]->appendRow({itemWith(row.label), itemWith(row.value)});
    for (QStandardItem *category : categories)
        model.appendRow(category);
}

const QVariant &shared(const QVariant &value)
{
    return value;
}

// A copy owning its payload: a shared copy would leave the plain rows' texts uncounted, as
// they were allocated before the measurement began.
QVariant owned(const QVariant &value)
{
    if (value.userType() == QMetaType::QString) {
        const QString text = value.toString();
        return QString(text.constData(), text.size());
    }
#if QT_VERSION < QT_VERSION_CHECK(6, 0, 0)
    return QVariant(value.userType(), value.constData());
#else
    return QVariant(value.metaType(), value.constData());
#endif
}

void BM_Populate(benchmark::State &state)
{
    BenchmarkPlan plan(static_cast<int>(state.range(0)));
    timeOnFresh<ComparingModel>(state, [&](ComparingModel &model) { fillLikeEditor(model, plan); });
}

// A model as large as the fill's, written from a plan of 1 000 properties shown as many times
// over as it takes: the model's side of scaling without the reads of a large plan.
void BM_PopulateFromSmallPlan(benchmark::State &state)
{
    constexpr int planSize = 1000;
    BenchmarkPlan plan(planSize);
    const int times = static_cast<int>(state.range(0)) / planSize;
    timeOnFresh<ComparingModel>(state, [&](ComparingModel &model) { fillLikeEditor(model, plan, times); });
}

void BM_PlainWrites(benchmark::State &state)
{
    const RecordedFill recorded = recordedFill(static_cast<int>(state.range(0)));
    timeOnFresh<QStandardItemModel>(state, [&](QStandardItemModel &model) { writePlainly(model, recorded, shared); });
}

void BM_PrebuiltItems(benchmark::State &state)
{
    const RecordedFill recorded = recordedFill(static_cast<int>(state.range(0)));
    timeOnFresh<QStandardItemModel>(state, [&](QStandardItemModel &model) { appendPrebuilt(model, recorded); });
}

void BM_PopulateShown(benchmark::State &state)
{
    BenchmarkPlan plan(static_cast<int>(state.range(0)));
    timeOnFresh<EditorView>(state, [&](EditorView &editor) { editor.fillAndShow(plan); });
}

constexpr int largestCategoryCount = 10000;

void BM_CategoryLookup(benchmark::State &state)
{
    const int categories = static_cast<int>(state.range(0));
    Velmaris::ProcPlanBaseQItemModel model;
    for (int i = 0; i < categories; ++i)
        model.categoryIndex("CAT_" + std::to_string(i), "Category");
    // The caller's keys are as many and as scattered whatever the number of categories, so
    // that only the lookup's own cost differs between the two runs.
    std::vector<std::string> keys;
    for (int i = 0; i < largestCategoryCount; ++i)
        keys.push_back("CAT_" + std::to_string(i % categories));
    std::size_t next = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(model.categoryIndex(keys[next], "Category"));
        next = (next + 7919) % keys.size();
    }
}

constexpr int editedPlanSize = 10000;

void BM_Edit(benchmark::State &state)
{
    timeOnOneRow(state, editedPlanSize, &EditedRow::edit);
}

void BM_Refresh(benchmark::State &state)
{
    timeOnOneRow(state, editedPlanSize, &EditedRow::refresh);
}

constexpr int repetitions = 9;
// The scaling ratios' sizes are a tenth, a fifth, half and all of the largest.
constexpr int largestFill = 100000;
BENCHMARK(BM_Populate)->Arg(10000)->Arg(20000)->Arg(50000)->Arg(largestFill)->Unit(benchmark::kMillisecond)->Iterations(1)->Repetitions(repetitions);
BENCHMARK(BM_PopulateFromSmallPlan)->Arg(10000)->Arg(20000)->Arg(50000)->Arg(largestFill)->Unit(benchmark::kMillisecond)->Iterations(1)->Repetitions(repetitions);
BENCHMARK(BM_PlainWrites)->Arg(10000)->Arg(20000)->Arg(50000)->Arg(largestFill)->Unit(benchmark::kMillisecond)->Iterations(3)->Repetitions(repetitions);
BENCHMARK(BM_PrebuiltItems)->Arg(10000)->Unit(benchmark::kMillisecond)->Iterations(3)->Repetitions(repetitions);
BENCHMARK(BM_PopulateShown)->Arg(10000)->Unit(benchmark::kMillisecond)->Iterations(1)->Repetitions(repetitions);
BENCHMARK(BM_CategoryLookup)->Arg(10)->Arg(largestCategoryCount)->Repetitions(repetitions);
BENCHMARK(BM_Edit)->Unit(benchmark::kMicrosecond)->Repetitions(repetitions);
BENCHMARK(BM_Refresh)->Unit(benchmark::kMicrosecond)->Repetitions(repetitions);

// Heap bytes per filled row, the population's against plain writes of the same roles.
void BM_HeapPopulated(benchmark::State &state)
{
    BenchmarkPlan plan(static_cast<int>(state.range(0)));
    countHeapBytes<ComparingModel>(state, [&](ComparingModel &model) { fillLikeEditor(model, plan); });
}

void BM_HeapPlain(benchmark::State &state)
{
    const RecordedFill recorded = recordedFill(static_cast<int>(state.range(0)));
    countHeapBytes<QStandardItemModel>(state, [&](QStandardItemModel &model) { writePlainly(model, recorded, owned); });
}

BENCHMARK(BM_HeapPopulated)->Arg(10000)->Iterations(1);
BENCHMARK(BM_HeapPlain)->Arg(10000)->Iterations(1);

} // namespace

int main(int argc, char **argv)
{
    return runBenchmarks(argc, argv, [](const RatioReporter &reporter) {
        reporter.printRatio("populate/floor", "BM_Populate/10000/iterations:1", "BM_PlainWrites/10000/iterations:3");
        reporter.printRatio("populate/floor-prebuilt", "BM_Populate/10000/iterations:1", "BM_PrebuiltItems/10000/iterations:3");
        reporter.printScalingRatio("scaling", "BM_Populate", largestFill);
        // The model's share of that: rows from a plan small enough to stay in cache.
        reporter.printScalingRatio("scaling/model", "BM_PopulateFromSmallPlan", largestFill);
        // What plain Qt alone loses per row as it grows, for comparison with the above.
        reporter.printScalingRatio("scaling/plain", "BM_PlainWrites", largestFill);
        reporter.printRatio("categories", "BM_CategoryLookup/10000", "BM_CategoryLookup/10");
        reporter.printRatio("view", "BM_PopulateShown/10000/iterations:1", "BM_Populate/10000/iterations:1");
        reporter.printRatio("edit", "BM_Edit", "BM_Refresh");
        reporter.printRatio("memory", "BM_HeapPopulated/10000/iterations:1", "BM_HeapPlain/10000/iterations:1");
    });
}
