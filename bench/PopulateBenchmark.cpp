// Costs of filling and editing a property view, each against a baseline measured in the same
// binary; the summary prints the ratios.
#include "bench/BenchmarkPlan.h"
#include "bench/RatioReporter.h"

#include <velmaris/host/access/ProcessLayoutController.h>
#include <velmaris/host/commands/CommandBase.h>
#include <velmaris/host/objects/ProcessLayout.h>

#include <velmaris/widgets/PropertyTreeView.h>

#include <QApplication>
#include <QStandardItem>
#include <QTreeView>

#include <benchmark/benchmark.h>
#include <malloc.h>

#include <cstdio>
#include <memory>
#include <string>

namespace {

// Rows with reference comparison on, as a host that compares plans fills them.
struct ComparedRows : BenchmarkRows
{
    explicit ComparedRows(int n)
        : BenchmarkRows(n)
    {
        model.enableReferenceComparison(true);
    }
};

// The roles a population wrote into each value cell, in a form plain setData can replay.
std::vector<QMap<int, QVariant>> populatedRoles(int n)
{
    BenchmarkPlan plan(n);
    ComparedRows rows(n);
    fillRows(rows, plan);
    std::vector<QMap<int, QVariant>> roles;
    for (const QModelIndex &cell : rows.valueCells)
        roles.push_back(rows.model.itemData(cell));
    return roles;
}

template <typename Copy>
void writePlainly(BenchmarkRows &rows, const std::vector<QMap<int, QVariant>> &roles, Copy copy)
{
    for (std::size_t i = 0; i < rows.valueCells.size(); ++i) {
        for (auto role = roles[i].cbegin(); role != roles[i].cend(); ++role)
            rows.model.QStandardItemModel::setData(rows.valueCells[i], copy(role.value()), role.key());
    }
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
    return QVariant(value.userType(), value.constData());
}

// The same rows in a property view as an editor shows one: expanded, laid out and painted
// before the fill. Uniform row heights keep Qt's own cost of locating a changed row constant
// instead of growing with the rows above it.
struct ShownRows : ComparedRows
{
    explicit ShownRows(int n)
        : ComparedRows(n)
    {
        view.resize(1000, 700);
        view.setUniformRowHeights(true);
        view.setModel(&model);
        view.expandAll();
        view.show();
        QApplication::processEvents();
    }
    QTreeView view;
};

// Runs fill on fresh rows each iteration; building and dropping them is not timed, so that
// a shown view's own layout and first paint are not counted as the fill's.
template <typename Rows = ComparedRows, typename Fill>
void onFreshRows(benchmark::State &state, Fill fill)
{
    const int n = static_cast<int>(state.range(0));
    for (auto _ : state) {
        state.PauseTiming();
        auto rows = std::make_unique<Rows>(n);
        state.ResumeTiming();
        fill(*rows);
        state.PauseTiming();
        rows.reset();
        state.ResumeTiming();
    }
    state.counters["items"] = n;
}

void BM_Populate(benchmark::State &state)
{
    BenchmarkPlan plan(static_cast<int>(state.range(0)));
    onFreshRows(state, [&](BenchmarkRows &rows) { fillRows(rows, plan); });
}

void BM_PlainWrites(benchmark::State &state)
{
    const auto roles = populatedRoles(static_cast<int>(state.range(0)));
    onFreshRows(state, [&](BenchmarkRows &rows) { writePlainly(rows, roles, shared); });
}

void BM_PopulateShown(benchmark::State &state)
{
    BenchmarkPlan plan(static_cast<int>(state.range(0)));
    onFreshRows<ShownRows>(state, [&](ShownRows &rows) {
        fillRows(rows, plan);
        // The repaint the fill asked for is part of its cost.
        QApplication::processEvents();
    });
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

struct OneNumber
{
    BenchmarkPlan plan{1};
    ComparedRows rows{1};
    std::shared_ptr<Velmaris::ProcessLayout> layout = std::make_shared<Velmaris::ProcessLayout>(&plan.labels);
    CCAPIAccess::ProcessLayoutController controller{&plan.labels};
    void refill() { fillRows(rows, plan); }
};

void BM_Refill(benchmark::State &state)
{
    OneNumber one;
    for (auto _ : state)
        one.refill();
}

// Commit, command, execute and refresh of one edit of the first row, each iteration.
template <typename Refresh>
void timeEdits(benchmark::State &state, OneNumber &one, BenchmarkRows &rows, BenchmarkPlan &plan, Refresh refresh)
{
    double value = 1.0;
    for (auto _ : state) {
        value = value > 90.0 ? 1.0 : value + 1.0;
        rows.model.setData(rows.valueCells[0], value);
        auto command = rows.model.generatePropertyModifyCommand(&one.controller, nullptr, one.layout,
                                                                plan.containers[0]->getProperty(), rows.valueCells[0]);
        command->execute();
        refresh();
    }
}

void BM_Edit(benchmark::State &state)
{
    OneNumber one;
    one.refill();
    timeEdits(state, one, one.rows, one.plan, [&] { one.refill(); });
}

// An object's rows in the property view the editor shows, laid out and painted; one row is
// refreshed, as the editor refreshes the row of a property after its command.
struct ShownObject : OneNumber
{
    static constexpr int shownRows = 300;

    ShownObject()
    {
        fillRows(shown, shownPlan);
        shown.model.setColumnCount(2);
        view.resize(1000, 700);
        view.setModel(&shown.model);
        view.expandAll();
        view.resizeColumnToContents(0);
        view.show();
        QApplication::processEvents();
    }
    // The row is repainted whether or not its values changed, so that the baseline without
    // an edit pays for the same repaint as an edit.
    void refreshShown()
    {
        const QModelIndex cell = shown.valueCells[0];
        shown.model.updatePropertyValueAt(&shownPlan.labels, shownPlan.containers[0], shownPlan.references[0].get(),
                                          cell, 0, false);
        view.viewport()->update(view.visualRect(cell).united(view.visualRect(cell.siblingAtColumn(0))));
        QApplication::processEvents();
    }

    BenchmarkPlan shownPlan{shownRows};
    BenchmarkRows shown{shownRows};
    Velmaris::PropertyTreeView view;
};

void BM_RefreshShown(benchmark::State &state)
{
    ShownObject object;
    for (auto _ : state)
        object.refreshShown();
}

// The same with the view shown: the refresh repaints the row.
void BM_EditShown(benchmark::State &state)
{
    ShownObject object;
    timeEdits(state, object, object.shown, object.shownPlan, [&] { object.refreshShown(); });
}

constexpr int repetitions = 5;
BENCHMARK(BM_Populate)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond)->Iterations(3)->Repetitions(repetitions);
BENCHMARK(BM_PlainWrites)->Arg(10000)->Unit(benchmark::kMillisecond)->Iterations(3)->Repetitions(repetitions);
BENCHMARK(BM_PopulateShown)->Arg(10000)->Unit(benchmark::kMillisecond)->Iterations(3)->Repetitions(repetitions);
BENCHMARK(BM_CategoryLookup)->Arg(10)->Arg(largestCategoryCount)->Repetitions(repetitions);
BENCHMARK(BM_Refill)->Repetitions(repetitions);
BENCHMARK(BM_Edit)->Repetitions(repetitions);
BENCHMARK(BM_RefreshShown)->Repetitions(repetitions);
BENCHMARK(BM_EditShown)->Repetitions(repetitions);

std::size_t heapInUse()
{
    return mallinfo2().uordblks;
}

// Heap bytes per filled row, the population's against plain writes of the same roles.
double memoryRatio(int n)
{
    BenchmarkPlan plan(n);
    const auto roles = populatedRoles(n);
    const auto measure = [n](auto fill) {
        const std::size_t before = heapInUse();
        auto rows = std::make_unique<ComparedRows>(n);
        fill(*rows);
        return static_cast<double>(heapInUse() - before) / n;
    };
    const double populated = measure([&](BenchmarkRows &rows) { fillRows(rows, plan); });
    const double plain = measure([&](BenchmarkRows &rows) { writePlainly(rows, roles, owned); });
    return populated / plain;
}

} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    application.setProperty("vlFont", QStringLiteral("DejaVu Sans"));
    application.setProperty("vlFontSize", 10);
    {
        // Process-wide first uses (font database, lazily bound symbols) are not a row's cost.
        BenchmarkPlan plan(100);
        BenchmarkRows rows(100);
        fillRows(rows, plan);
    }
    benchmark::Initialize(&argc, argv);
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);

    const auto ratio = [&](const char *name, const std::string &measured, const std::string &baseline) {
        const std::string repeated = "/repeats:" + std::to_string(repetitions);
        const auto a = reporter.secondsPerItem(measured + repeated);
        const auto b = reporter.secondsPerItem(baseline + repeated);
        if (a && b)
            std::printf("%s: %.2f\n", name, *a / *b);
    };
    ratio("populate/floor", "BM_Populate/10000/iterations:3", "BM_PlainWrites/10000/iterations:3");
    ratio("scaling", "BM_Populate/100000/iterations:3", "BM_Populate/1000/iterations:3");
    ratio("categories", "BM_CategoryLookup/10000", "BM_CategoryLookup/10");
    ratio("view", "BM_PopulateShown/10000/iterations:3", "BM_Populate/10000/iterations:3");
    ratio("edit", "BM_Edit", "BM_Refill");
    ratio("edit/shown", "BM_EditShown", "BM_RefreshShown");
    std::printf("memory: %.2f\n", memoryRatio(10000));
    return 0;
}
