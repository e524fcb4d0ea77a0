#pragma once

#include <benchmark/benchmark.h>

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

    // Prints "NAME: VALUE", measured over baseline, after a comment line with both medians;
    // nothing when either was filtered out.
    void printRatio(const char *name, const std::string &measured, const std::string &baseline) const;

private:
    struct Measured
    {
        std::vector<double> perItem;
        bool heapBytes = false;
    };
    std::map<std::string, Measured> m_measured;
};
