#include "bench/RatioReporter.h"

#include <algorithm>
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
        const std::string name = run.benchmark_name();
        m_secondsPerItem[name.substr(0, name.find("/repeats:"))].push_back(seconds / count);
    }
}

std::optional<double> RatioReporter::medianSecondsPerItem(const std::string &name) const
{
    const auto found = m_secondsPerItem.find(name);
    if (found == m_secondsPerItem.end())
        return std::nullopt;
    std::vector<double> times = found->second;
    const auto middle = times.begin() + static_cast<std::ptrdiff_t>(times.size() / 2);
    std::nth_element(times.begin(), middle, times.end());
    return *middle;
}

void RatioReporter::printRatio(const char *name, const std::string &measured, const std::string &baseline) const
{
    const auto a = medianSecondsPerItem(measured);
    const auto b = medianSecondsPerItem(baseline);
    if (!a || !b)
        return;
    std::printf("# %s = %s %.3g us / %s %.3g us (medians per item)\n", name, measured.c_str(), *a * 1e6,
                baseline.c_str(), *b * 1e6);
    std::printf("%s: %.2f\n", name, *a / *b);
}
