#pragma once

#include "bench/RatioReporter.h"

#include <benchmark/benchmark.h>
#include <malloc.h>

#include <memory>

// Whether a timed fill starts on memory the system hands out anew, as in a fresh process, or on
// what the fills before it freed. Where fills of very different sizes are compared, the small
// ones would reuse freed pages while a large one pays for pages of its own, which a scaling
// ratio would take for a cost that grows with size.
enum class Memory { Reused, Fresh };

// Makes a fresh Target each iteration, untimed, and times fill on it; dropping it is not
// timed either.
template <typename Target, typename Fill>
void timeOnFresh(benchmark::State &state, Fill fill, Memory memory = Memory::Reused)
{
    for (auto _ : state) {
        state.PauseTiming();
        if (memory == Memory::Fresh)
            malloc_trim(0);
        auto target = std::make_unique<Target>();
        state.ResumeTiming();
        fill(*target);
        state.PauseTiming();
        target.reset();
        state.ResumeTiming();
    }
    state.counters["items"] = static_cast<double>(state.range(0));
}

// Counts the heap bytes that a fresh Target and what fill puts into it hold, per item of
// state.range(0); their time is of no interest.
template <typename Target, typename Fill>
void countHeapBytes(benchmark::State &state, Fill fill)
{
    for (auto _ : state) {
        const std::size_t before = mallinfo2().uordblks;
        auto target = std::make_unique<Target>();
        fill(*target);
        state.counters[RatioReporter::heapBytesCounter] = static_cast<double>(mallinfo2().uordblks - before);
    }
    state.counters["items"] = static_cast<double>(state.range(0));
}

// Times step on one Row made for n properties, the same row every iteration.
template <typename Row>
void timeOnOneRow(benchmark::State &state, int n, void (Row::*step)())
{
    Row row(n);
    for (auto _ : state)
        (row.*step)();
}
