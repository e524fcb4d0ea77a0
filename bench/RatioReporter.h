#pragma once

#include <benchmark/benchmark.h>

#include <map>
#include <optional>
#include <string>

// Prints every run as the console reporter does and remembers its best time per item over
// the repetitions, so that ratios between runs of one binary can be printed at the end. The
// best is taken because interference from the rest of the machine only ever adds time.
class RatioReporter : public benchmark::ConsoleReporter
{
public:
    // Coloured only on a terminal, so that redirected output and the summary lines after it
    // carry no escape sequences.
    RatioReporter();

    void ReportRuns(const std::vector<Run> &runs) override;

    // Best seconds per processed item (or per iteration when no items were counted) of the
    // runs of that name; empty when none took place (a filtered run).
    std::optional<double> secondsPerItem(const std::string &name) const;

private:
    std::map<std::string, double> m_secondsPerItem;
};
