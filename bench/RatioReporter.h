#pragma once

#include <benchmark/benchmark.h>

#include <map>
#include <optional>
#include <string>

// Prints every run as the console reporter does and remembers its time per item, so that
// ratios between runs of one binary can be printed at the end.
class RatioReporter : public benchmark::ConsoleReporter
{
public:
    void ReportRuns(const std::vector<Run> &runs) override;

    // Seconds per processed item (or per iteration when no items were counted); empty when
    // no run of that name took place (a filtered run).
    std::optional<double> secondsPerItem(const std::string &name) const;

private:
    std::map<std::string, double> m_secondsPerItem;
};
