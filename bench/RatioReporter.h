#pragma once

#include <benchmark/benchmark.h>

#include <array>
#include <map>
#include <optional>
#include <string>
#include <vector>

// Prints every run as the console reporter does and remembers its processor time per item
// over the repetitions, so that ratios between runs of one binary can be printed at the end.
// Processor time, not wall time: on a machine shared with other builds a run waits for a
// core as long again as it computes. A run that counts heapBytesCounter is remembered by that
// count per item instead.
class RatioReporter : public benchmark::ConsoleReporter
{
public:
    // Coloured only on a terminal, so that redirected output and the summary lines after it
    // carry no escape sequences.
    RatioReporter();

    static constexpr const char *heapBytesCounter = "heap_bytes";

    void ReportRuns(const std::vector<Run> &runs) override;

    // Median processor seconds (or heap bytes) per processed item, or per iteration when no items were
    // counted, of the repetitions of that name, given without its "/repeats:" part; empty
    // when none took place (a filtered run).
    std::optional<double> medianPerItem(const std::string &name) const;

    // Prints "NAME: VALUE", measured over baseline, after a comment line with both medians and
    // their numbers of repetitions; nothing when either was filtered out.
    void printRatio(const char *name, const std::string &measured, const std::string &baseline) const;

    // The sizes a scaling ratio needs, as divisors of its largest.
    static constexpr std::array<int, 4> scalingParts{10, 5, 2, 1};

    // Prints "NAME: VALUE", the cost per item between half of largest and largest over that
    // between a tenth and a fifth of it, after a comment line with both sides; benchmark is the
    // name before the size. Differences of two large sizes: a fixed cost of every run divided
    // by a small size would pass for a cost per item and flatter the ratio.
    void printScalingRatio(const char *name, const std::string &benchmark, int largest) const;

private:
    struct Measured
    {
        std::vector<double> perItem;
        double items = 1.0;
        bool heapBytes = false;
    };

    // The runs of benchmark at that size, if they took place.
    const Measured *measuredAt(const std::string &benchmark, int size) const;
    // Processor seconds per item between the median runs of benchmark at sizes lower and upper.
    std::optional<double> marginalPerItem(const std::string &benchmark, int lower, int upper) const;

    std::map<std::string, Measured> m_measured;
};
