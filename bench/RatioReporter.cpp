#include "bench/RatioReporter.h"

#include <cstdio>

#include <unistd.h>

RatioReporter::RatioReporter()
    : ConsoleReporter(isatty(fileno(stdout)) ? OO_ColorTabular : OO_Tabular)
{
}

void RatioReporter::ReportRuns(const std::vector<Run> &runs)
{
    ConsoleReporter::ReportRuns(runs);
    for (const Run &run : runs) {
        if (run.run_type != Run::RT_Iteration || run.iterations == 0)
            continue;
        const auto items = run.counters.find("items");
        const double seconds = run.real_accumulated_time / static_cast<double>(run.iterations);
        const double count = items == run.counters.end() ? 1.0 : items->second.value;
        const auto [entry, first] = m_secondsPerItem.emplace(run.benchmark_name(), seconds / count);
        if (!first && seconds / count < entry->second)
            entry->second = seconds / count;
    }
}

std::optional<double> RatioReporter::secondsPerItem(const std::string &name) const
{
    const auto found = m_secondsPerItem.find(name);
    if (found == m_secondsPerItem.end())
        return std::nullopt;
    return found->second;
}
