// Several objects edited at once against one object alone: filling the properties they share,
// and one edit applied to all of them and undone.
#include "bench/BenchmarkMain.h"
#include "bench/ObjectSelection.h"
#include "bench/RatioReporter.h"

#include <velmaris/model/ProcPlanBaseQItemModel.h>

#include <velmaris/host/commands/CommandBase.h>
#include <velmaris/host/objects/PropertySignalContainer.h>
#include <velmaris/host/property/BaseProperty.h>

#include <QStandardItem>

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>

namespace {

constexpr int selectedObjects = 1000;

// One object alone, filled as an editor fills it.
std::vector<QModelIndex> fillSingle(Velmaris::ProcPlanBaseQItemModel &model, ObjectSelection &selection)
{
    model.setColumnCount(2);
    std::vector<QModelIndex> cells;
    const auto &object = selection.objects.front();
    for (const auto &container : Velmaris::ProcPlanBaseQItemModel::sortAndReturnOnlyVisibleProps(object.containers, false)) {
        const QModelIndex category = model.categoryIndex(&selection.controller, container);
        QStandardItem *categoryItem = model.itemFromIndex(category);
        categoryItem->appendRow({new QStandardItem, new QStandardItem});
        const int row = categoryItem->rowCount() - 1;
        model.generateLabelQitem(&selection.labels, container->getProperty()->getLabelKey(),
                                 model.index(row, 0, category), false);
        cells.push_back(model.index(row, 1, category));
        model.updatePropertyValueAt(&selection.labels, container, nullptr, cells.back(), 0, false);
    }
    return cells;
}

// Times fill on a fresh model each iteration; making and dropping the model is not timed.
template <typename Fill>
void timeFill(benchmark::State &state, Fill fill)
{
    for (auto _ : state) {
        state.PauseTiming();
        auto model = std::make_unique<Velmaris::ProcPlanBaseQItemModel>();
        state.ResumeTiming();
        fill(*model);
        state.PauseTiming();
        model.reset();
        state.ResumeTiming();
    }
}

void BM_SingleFill(benchmark::State &state)
{
    ObjectSelection selection(1);
    timeFill(state, [&](Velmaris::ProcPlanBaseQItemModel &model) { fillSingle(model, selection); });
}

void BM_SharedFill(benchmark::State &state)
{
    ObjectSelection selection(static_cast<int>(state.range(0)));
    timeFill(state, [&](Velmaris::ProcPlanBaseQItemModel &model) {
        fillShared(model, selection, Velmaris::sharedProperties(selection.objects, false));
    });
}

void checkStored(const std::shared_ptr<Velmaris::PropertySignalContainer> &container, double value)
{
    const CCAPIBaseCommon::PropertyValue stored = container->getProperty()->value();
    if (stored != CCAPIBaseCommon::PropertyValue(value)) {
        std::fprintf(stderr, "multi: an edit did not reach the property\n");
        std::abort();
    }
}

// An edit as the view writes it, its command executed and undone, the cell filled after each.
template <typename MakeCommand, typename Refill>
void timeEdit(benchmark::State &state, const QModelIndex &cell, Velmaris::ProcPlanBaseQItemModel &model,
              MakeCommand make, Refill refill, const std::shared_ptr<Velmaris::PropertySignalContainer> &checked)
{
    double value = 1.0;
    for (auto _ : state) {
        value = value > 90.0 ? 1.0 : value + 1.0;
        model.setData(cell, value);
        const std::shared_ptr<Velmaris::CommandBase> command = make();
        command->execute();
        refill();
        state.PauseTiming();
        checkStored(checked, value);
        state.ResumeTiming();
        command->undo();
        refill();
    }
}

void BM_SingleEdit(benchmark::State &state)
{
    ObjectSelection selection(1);
    Velmaris::ProcPlanBaseQItemModel model;
    const auto cells = fillSingle(model, selection);
    const auto &container = selection.objects.front().containers[ObjectSelection::editedProperty];
    const QModelIndex cell = cells[ObjectSelection::editedProperty];
    timeEdit(
        state, cell, model,
        [&] { return model.generatePropertyModifyCommand(&selection.controller, nullptr, selection.layout, container->getProperty(), cell); },
        [&] { model.updatePropertyValueAt(&selection.labels, container, nullptr, cell, 0, false); }, container);
}

void BM_SharedEdit(benchmark::State &state)
{
    ObjectSelection selection(static_cast<int>(state.range(0)));
    Velmaris::ProcPlanBaseQItemModel model;
    const auto shared = Velmaris::sharedProperties(selection.objects, false);
    const auto cells = fillShared(model, selection, shared);
    const Velmaris::SharedProperty &edited = shared[ObjectSelection::editedProperty];
    const QModelIndex cell = cells[ObjectSelection::editedProperty];
    timeEdit(
        state, cell, model, [&] { return model.generateSharedPropertyModifyCommand(selection.layout, edited, cell); },
        [&] { model.updateSharedPropertyValueAt(&selection.labels, edited, {}, cell, false); },
        edited.members.back().container);
}

constexpr int repetitions = 5;
BENCHMARK(BM_SingleFill)->Unit(benchmark::kMicrosecond)->Repetitions(repetitions);
BENCHMARK(BM_SharedFill)->Arg(selectedObjects)->Unit(benchmark::kMicrosecond)->Repetitions(repetitions);
BENCHMARK(BM_SingleEdit)->Unit(benchmark::kMicrosecond)->Repetitions(repetitions);
BENCHMARK(BM_SharedEdit)->Arg(selectedObjects)->Unit(benchmark::kMicrosecond)->Repetitions(repetitions);

} // namespace

int main(int argc, char **argv)
{
    return runBenchmarks(argc, argv, [](const RatioReporter &reporter) {
        reporter.printRatio("multi/fill", "BM_SharedFill/1000", "BM_SingleFill");
        reporter.printRatio("multi/edit", "BM_SharedEdit/1000", "BM_SingleEdit");
    });
}
