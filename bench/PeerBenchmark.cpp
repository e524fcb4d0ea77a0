// Ours against KDE's KProperty in one binary: the same properties filled into each one's
// view, shown and painted offscreen, then edited.
#include "bench/BenchmarkMain.h"
#include "bench/BenchmarkPlan.h"
#include "bench/EditedRow.h"
#include "bench/EditorView.h"
#include "bench/FreshTarget.h"
#include "bench/PeerView.h"
#include "bench/RatioReporter.h"

#include <QtGlobal>

#include <benchmark/benchmark.h>

#include <memory>

namespace {

void BM_OursFill(benchmark::State &state)
{
    BenchmarkPlan plan(static_cast<int>(state.range(0)));
    timeOnFresh<EditorView>(state, [&](EditorView &editor) { editor.fillAndShow(plan); });
}

void BM_PeerFill(benchmark::State &state)
{
    const std::vector<MixEntry> entries = mixEntries(static_cast<int>(state.range(0)));
    timeOnFresh<PeerView>(state, [&](PeerView &peer) { peer.fill(entries); });
}

constexpr int comparedSize = 10000;

void BM_OursEdit(benchmark::State &state)
{
    timeOnOneRow(state, comparedSize, &EditedRow::edit);
}

void BM_PeerEdit(benchmark::State &state)
{
    timeOnOneRow(state, comparedSize, &PeerEditedRow::edit);
}

constexpr int repetitions = 5;
BENCHMARK(BM_OursFill)->Arg(1000)->Arg(comparedSize)->Arg(100000)->Unit(benchmark::kMillisecond)->Iterations(1)->Repetitions(repetitions);
BENCHMARK(BM_PeerFill)->Arg(1000)->Arg(comparedSize)->Unit(benchmark::kMillisecond)->Iterations(1)->Repetitions(repetitions);
BENCHMARK(BM_OursEdit)->Unit(benchmark::kMicrosecond)->Repetitions(repetitions);
BENCHMARK(BM_PeerEdit)->Unit(benchmark::kMicrosecond)->Repetitions(repetitions);

// Heap bytes per property of each filled and painted view, the plan's own objects not counted.
void BM_OursHeap(benchmark::State &state)
{
    BenchmarkPlan plan(static_cast<int>(state.range(0)));
    countHeapBytes<EditorView>(state, [&](EditorView &editor) { editor.fillAndShow(plan); });
}

void BM_PeerHeap(benchmark::State &state)
{
    const std::vector<MixEntry> entries = mixEntries(static_cast<int>(state.range(0)));
    countHeapBytes<PeerView>(state, [&](PeerView &peer) { peer.fill(entries); });
}

BENCHMARK(BM_OursHeap)->Arg(comparedSize)->Iterations(1);
BENCHMARK(BM_PeerHeap)->Arg(comparedSize)->Iterations(1);

} // namespace

int main(int argc, char **argv)
{
    // The peer's fill grows with the square of the properties: at this size one fill takes
    // minutes, so it runs only on request, once.
    if (qEnvironmentVariableIsSet("VELMARIS_BENCH_PEER_100000"))
        benchmark::RegisterBenchmark("BM_PeerFill", BM_PeerFill)->Arg(100000)->Unit(benchmark::kMillisecond)->Iterations(1);
    return runBenchmarks(argc, argv, [](const RatioReporter &reporter) {
        reporter.printRatio("peer/fill", "BM_OursFill/10000/iterations:1", "BM_PeerFill/10000/iterations:1");
        reporter.printRatio("peer/edit", "BM_OursEdit", "BM_PeerEdit");
        reporter.printRatio("peer/memory", "BM_OursHeap/10000/iterations:1", "BM_PeerHeap/10000/iterations:1");
        reporter.printRatio("peer/scaling", "BM_OursFill/100000/iterations:1", "BM_OursFill/1000/iterations:1");
    });
}
