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
        const auto heap = run.counters.find(heapBytesCounter);
        const double count = items == run.counters.end() ? 1.0 : items->second.value;
        const double amount = heap == run.counters.end()
                                  ? run.cpu_accumulated_time / static_cast<double>(run.iterations)
                                  : heap->second.value;
        const std::string name = run.benchmark_name();
        Measured &measured = m_measured[name.substr(0, name.find("/repeats:"))];
        measured.perItem.push_back(amount / count);
        measured.heapBytes = heap != run.counters.end();
    }
}

std::optional<double> RatioReporter::medianPerItem(const std::string &name) const
{
    const auto found = m_measured.find(name);
    if (found == m_measured.end())
        return std::nullopt;
    std::vector<double> values = found->second.perItem;
    const auto middle = values.begin() + static_cast<std::ptrdiff_t>(values.size() / 2);
    std::nth_element(values.begin(), middle, values.end());
    return *middle;
}

void RatioReporter::printRatio(const char *name, const std::string &measured, const std::string &baseline) const
{
    const auto a = medianPerItem(measured);
    const auto b = medianPerItem(baseline);
    if (!a || !b)
        return;
    const bool heap = m_measured.at(measured).heapBytes;
    const double scale = heap ? 1.0 : 1e6;
    const char *unit = heap ? "heap bytes" : "us";
    std::printf("# %s = %s %.4g %s / %s %.4g %s (medians per item)\n", name, measured.c_str(), *a * scale, unit,
                baseline.c_str(), *b * scale, unit);
    std::printf("%s: %.2f\n", name, *a / *b);
}
