// The editor's own costs as a plan grows: filling the property view with one large object, and
// loading, listing and closing a plan of many objects; each is timed at four sizes in the same
// binary and the summary prints the per-row and per-object ratios.
#include "bench/BenchmarkMain.h"
#include "bench/RatioReporter.h"

#include "app/plan/PlanFile.h"
#include "app/ui/MainWindow.h"

#include <QApplication>
#include <QByteArray>

#include <benchmark/benchmark.h>

#include <malloc.h>

#include <cstdio>
#include <memory>
#include <string>

using namespace VelmarisEditor;

namespace {

constexpr int categoryCount = 10;

// One property description of a realistic mix: numbers with units (a third of them prices),
// integers, enumerations, texts and booleans, spread over the categories.
void appendProperty(std::string &json, int i)
{
    const std::string key = "P_" + std::to_string(i);
    json += R"({"key":")" + key + R"(","category":"CAT_)" + std::to_string(i % categoryCount)
            + R"(","position":)" + std::to_string(i) + ',';
    switch (i % 10) {
    case 0:
    case 1:
        json += R"("kind":"double","unit":"usd","min":0,"max":5000,"value":)" + std::to_string(10 + i % 977);
        break;
    case 2:
    case 3:
    case 4:
        json += R"("kind":"double","unit":"mm","min":0,"max":100,"value":)" + std::to_string(i % 97) + ".5";
        break;
    case 5:
        json += R"("kind":"integer","min":0,"max":1000000,"value":)" + std::to_string(i % 1000);
        break;
    case 6:
    case 7:
        json += R"("kind":"enum","values":["MAT_Steel","MAT_Alu","MAT_Ti"],"value":"MAT_Alu")";
        break;
    case 8:
        json += R"("kind":"string","value":"Part )" + std::to_string(i) + '"';
        break;
    default:
        json += R"("kind":"boolean","value":)" + std::string(i % 3 ? "true" : "false");
        break;
    }
    json += '}';
}

// A plan whose objects hold the given numbers of properties, labelled in English.
QByteArray planJson(const std::vector<int> &propertyCounts)
{
    int mostProperties = 0;
    for (int count : propertyCounts)
        mostProperties = std::max(mostProperties, count);
    std::string json = R"({"format":"velmaris-plan","version":1,"labels":{"en":{)";
    json += R"("MAT_Steel":"Steel","MAT_Alu":"Aluminium","MAT_Ti":"Titanium","OBJ_Milling":"Milling")";
    for (int c = 0; c < categoryCount; ++c)
        json += R"(,"CAT_)" + std::to_string(c) + R"(":"Category )" + std::to_string(c) + '"';
    for (int i = 0; i < mostProperties; ++i)
        json += R"(,"P_)" + std::to_string(i) + R"(":"Property number )" + std::to_string(i) + '"';
    json += R"(}},"objects":[)";
    for (std::size_t o = 0; o < propertyCounts.size(); ++o) {
        json += (o ? ",{" : "{") + std::string(R"("id":)") + std::to_string(o + 1)
                + R"(,"kind":"operation","type":"OBJ_Milling","name":"Operation )" + std::to_string(o + 1)
                + R"(","properties":[)";
        for (int p = 0; p < propertyCounts[o]; ++p) {
            if (p)
                json += ',';
            appendProperty(json, p);
        }
        json += "]}";
    }
    json += "]}";
    return QByteArray::fromStdString(json);
}

std::unique_ptr<PlanDocument> parsed(const QByteArray &json)
{
    PlanError error;
    auto plan = parsePlan(json.toStdString(), QStringLiteral("benchmark plan"), &error);
    if (!plan)
        qFatal("%s", qPrintable(error.message()));
    return plan;
}

// Selects the object and lets the window run until its rows are in view.
void showObject(MainWindow &window, int objectId)
{
    window.selectObject(objectId);
    do
        QApplication::processEvents();
    while (window.propertyPane().isFilling());
}

// Lets the window run until it has emptied the models of objects it showed before.
void settle(MainWindow &window)
{
    while (!window.propertyPane().isIdle())
        QApplication::processEvents();
}

// The editor shown offscreen on a plan of objects 1, 2, ... with these numbers of properties,
// compared with a copy of the plan, showing the object of the id.
std::unique_ptr<MainWindow> shownEditor(const std::vector<int> &propertyCounts, int objectId)
{
    const QByteArray json = planJson(propertyCounts);
    auto window = std::make_unique<MainWindow>(std::make_unique<Document>(parsed(json)), parsed(json));
    window->setCompareWithReference(true);
    window->show();
    showObject(*window, objectId);
    return window;
}

// The shown editor switches from a one-property object to one with n properties and back; per
// property row.
void BM_EditorFill(benchmark::State &state)
{
    const int n = static_cast<int>(state.range(0));
    const auto window = shownEditor({1, n}, 1);
    for (auto _ : state) {
        showObject(*window, 2);
        showObject(*window, 1);
    }
    state.counters["items"] = n;
}

// A currency switch with the n-property object shown; per property row, like the fill.
void BM_CurrencySwitch(benchmark::State &state)
{
    const int n = static_cast<int>(state.range(0));
    const auto window = shownEditor({1, n}, 2);
    settle(*window);
    bool swiss = false;
    for (auto _ : state) {
        swiss = !swiss;
        window->setCurrency(QLatin1String(swiss ? "CHF" : "EUR"));
        settle(*window);
    }
    state.counters["items"] = n;
}

// One keystroke in the property filter with the n-property object shown, typing or taking back
// the last digit of "Property number 12"; per property row, like the fill.
void BM_FilterKeystroke(benchmark::State &state)
{
    const int n = static_cast<int>(state.range(0));
    const auto window = shownEditor({1, n}, 2);
    window->setFilterText(QStringLiteral("Property number 1"));
    QApplication::processEvents();
    bool longer = false;
    for (auto _ : state) {
        longer = !longer;
        window->setFilterText(QLatin1String(longer ? "Property number 12" : "Property number 1"));
        QApplication::processEvents();
    }
    state.counters["items"] = n;
}

// Showing a 10-property object until it is painted, coming from an object of n properties (the
// measured side) or from one of none (the baseline: the fill alone). Settling in between, when
// the rows left behind are deleted, is not timed.
void BM_ShowSmallObject(benchmark::State &state)
{
    const int n = static_cast<int>(state.range(0));
    const auto shown = shownEditor({10, n}, 1);
    MainWindow &window = *shown;
    for (auto _ : state) {
        state.PauseTiming();
        showObject(window, 2);
        settle(window);
        state.ResumeTiming();
        showObject(window, 1);
    }
}

// One edit of a shown 10 MB text, as its editor hands it to the view, until the window has
// shown it: the value changes between two texts of that size.
void BM_EditLargeText(benchmark::State &state)
{
    const std::string large(10 << 20, 'x');
    const QByteArray json = planJson({10}).replace(R"("value":"Part 8")", QByteArray::fromStdString(R"("value":")" + large + '"'));
    auto window = std::make_unique<MainWindow>(std::make_unique<Document>(parsed(json)), nullptr);
    window->show();
    showObject(*window, 1);
    const QModelIndex cell = window->filterModel().index(0, 1, window->filterModel().index(8, 0));
    if (cell.data(Qt::EditRole).toString().size() != static_cast<int>(large.size()))
        state.SkipWithError("no 10 MB text in the first row of the ninth category");
    bool other = false;
    for (auto _ : state) {
        other = !other;
        window->filterModel().setData(cell, QString(static_cast<int>(large.size()), other ? QLatin1Char('y') : QLatin1Char('x')));
        QApplication::processEvents();
    }
}

// A plan of n objects read, listed in a shown editor and closed again; per object.
void BM_PlanLifecycle(benchmark::State &state)
{
    const int n = static_cast<int>(state.range(0));
    const QByteArray json = planJson(std::vector<int>(static_cast<std::size_t>(n), 2));
    for (auto _ : state) {
        // Every plan starts on memory the system hands out anew, as in a fresh editor: else a
        // small plan would reuse what the one before it freed, and only a large one pay for
        // pages of its own.
        state.PauseTiming();
        malloc_trim(0);
        state.ResumeTiming();
        auto window = std::make_unique<MainWindow>(std::make_unique<Document>(parsed(json)), nullptr);
        window->show();
        QApplication::processEvents();
        window.reset();
        QApplication::processEvents();
    }
    state.counters["items"] = n;
}

// Each size does the same number of rows or objects per repetition, so that both sides of a
// ratio run equally long and meet the rest of the machine's load alike.
constexpr int repetitions = 3;
constexpr int smallRuns = 100;
BENCHMARK(BM_CurrencySwitch)->Arg(1000 * smallRuns)->Iterations(1)->Unit(benchmark::kMillisecond)->Repetitions(repetitions);
BENCHMARK(BM_FilterKeystroke)->Arg(1000 * smallRuns)->Iterations(4)->Unit(benchmark::kMillisecond)->Repetitions(repetitions);
BENCHMARK(BM_ShowSmallObject)->Arg(0)->Iterations(5)->Unit(benchmark::kMillisecond)->Repetitions(repetitions);
BENCHMARK(BM_ShowSmallObject)->Arg(1000 * smallRuns)->Iterations(5)->Unit(benchmark::kMillisecond)->Repetitions(repetitions);
BENCHMARK(BM_EditLargeText)->Iterations(2)->Unit(benchmark::kMillisecond)->Repetitions(repetitions);

// The sizes of a scaling ratio, each run as many times as makes the largest size's items.
void registerScaling(const char *name, void (*run)(benchmark::State &), int largest)
{
    for (const int part : RatioReporter::scalingParts)
        benchmark::RegisterBenchmark(name, run)->Arg(largest / part)->Iterations(part)->Unit(benchmark::kMillisecond)->Repetitions(repetitions);
}

constexpr int largestFill = 1000 * smallRuns;
constexpr int largestPlan = 3000 * smallRuns;

} // namespace

int main(int argc, char **argv)
{
    registerScaling("BM_EditorFill", BM_EditorFill, largestFill);
    registerScaling("BM_PlanLifecycle", BM_PlanLifecycle, largestPlan);
    return runBenchmarks(argc, argv, [](const RatioReporter &reporter) {
        reporter.printScalingRatio("editor/fill", "BM_EditorFill", largestFill);
        reporter.printRatio("editor/currency", "BM_CurrencySwitch/100000/iterations:1", "BM_EditorFill/100000/iterations:1");
        reporter.printRatio("editor/filter", "BM_FilterKeystroke/100000/iterations:4", "BM_EditorFill/100000/iterations:1");
        reporter.printRatio("editor/leave", "BM_ShowSmallObject/100000/iterations:5", "BM_ShowSmallObject/0/iterations:5");
        reporter.printScalingRatio("editor/plan", "BM_PlanLifecycle", largestPlan);
        if (const auto edit = reporter.medianPerItem("BM_EditLargeText/iterations:2")) {
            std::printf("# editor/large-text = milliseconds of one edit of a shown 10 MB text (median of %d)\n", repetitions);
            std::printf("editor/large-text: %.0f\n", *edit * 1000);
        }
    });
}
