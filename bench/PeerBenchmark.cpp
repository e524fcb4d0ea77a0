// Ours against KDE's KProperty in one binary: the same properties filled into each one's
// view, shown and painted offscreen, then edited.
#include "bench/BenchmarkMain.h"
#include "bench/BenchmarkPlan.h"
#include "bench/EditedRow.h"
#include "bench/EditorView.h"
#include "bench/FreshTarget.h"
#include "bench/PeerView.h"
#include "bench/RatioReporter.h"

#include <benchmark/benchmark.h>

#include <memory>
#include <string>

namespace {

void BM_OursFill(benchmark::State &state)
{
    BenchmarkPlan plan(static_cast<int>(state.range(0)));
    timeOnFresh<EditorView>(state, [&](EditorView &editor) { editor.fillAndShow(plan); }, Memory::Fresh);
}

void BM_PeerFill(benchmark::State &state)
{
    const std::vector<MixEntry> entries = mixEntries(static_cast<int>(state.range(0)));
    timeOnFresh<PeerView>(state, [&](PeerView &peer) { peer.fill(entries); }, Memory::Fresh);
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

// Our fill also at the scaling ratio's sizes: a tenth, a fifth, half and all of the largest.
constexpr int largestFill = 100000;
constexpr int repetitions = 5;
BENCHMARK(BM_OursFill)->Arg(1000)->Arg(comparedSize)->Arg(20000)->Arg(50000)->Arg(largestFill)->Unit(benchmark::kMillisecond)->Iterations(1)->Repetitions(repetitions);
BENCHMARK(BM_PeerFill)->Arg(1000)->Arg(comparedSize)->Unit(benchmark::kMillisecond)->Iterations(1)->Repetitions(repetitions);
// The peer's fill grows with the square of the properties: at the largest size one fill takes
// minutes, so it is measured once.
BENCHMARK(BM_PeerFill)->Arg(largestFill)->Unit(benchmark::kMillisecond)->Iterations(1)->Repetitions(1);
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
    return runBenchmarks(argc, argv, [](const RatioReporter &reporter) {
        for (const int size : {1000, comparedSize, largestFill}) {
            const std::string sized = '/' + std::to_string(size);
            reporter.printRatio(("peer/fill" + sized).c_str(), "BM_OursFill" + sized + "/iterations:1",
                                "BM_PeerFill" + sized + "/iterations:1");
        }
        reporter.printRatio("peer/edit", "BM_OursEdit", "BM_PeerEdit");
        reporter.printRatio("peer/memory", "BM_OursHeap/10000/iterations:1", "BM_PeerHeap/10000/iterations:1");
        reporter.printScalingRatio("peer/scaling", "BM_OursFill", largestFill);
    });
}
