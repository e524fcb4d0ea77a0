#include "bench/RatioReporter.h"

#include <algorithm>
#include <cstdio>

#include <unistd.h>

namespace {

double median(std::vector<double> values)
{
    const auto middle = values.begin() + static_cast<std::ptrdiff_t>(values.size() / 2);
    std::nth_element(values.begin(), middle, values.end());
    return *middle;
}

} // namespace

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
        measured.items = count;
        measured.heapBytes = heap != run.counters.end();
    }
}

std::optional<double> RatioReporter::medianPerItem(const std::string &name) const
{
    const auto found = m_measured.find(name);
    if (found == m_measured.end())
        return std::nullopt;
    return median(found->second.perItem);
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
    std::printf("# %s = %s %.4g %s / %s %.4g %s (medians per item of %zu and %zu repetitions)\n", name,
                measured.c_str(), *a * scale, unit, baseline.c_str(), *b * scale, unit,
                m_measured.at(measured).perItem.size(), m_measured.at(baseline).perItem.size());
    std::printf("%s: %.2f\n", name, *a / *b);
}

const RatioReporter::Measured *RatioReporter::measuredAt(const std::string &benchmark, int size) const
{
    // The size is followed by whatever the registration adds ("/iterations:2"), if anything.
    const std::string prefix = benchmark + '/' + std::to_string(size);
    for (auto run = m_measured.lower_bound(prefix); run != m_measured.end() && run->first.rfind(prefix, 0) == 0; ++run) {
        if (run->first.size() == prefix.size() || run->first[prefix.size()] == '/')
            return &run->second;
    }
    return nullptr;
}

std::optional<double> RatioReporter::marginalPerItem(const std::string &benchmark, int lower, int upper) const
{
    const Measured *a = measuredAt(benchmark, lower);
    const Measured *b = measuredAt(benchmark, upper);
    if (!a || !b)
        return std::nullopt;
    return (median(b->perItem) * b->items - median(a->perItem) * a->items) / (b->items - a->items);
}

void RatioReporter::printScalingRatio(const char *name, const std::string &benchmark, int largest) const
{
    const auto size = [&](std::size_t part) { return largest / scalingParts[part]; };
    const auto baseline = marginalPerItem(benchmark, size(0), size(1));
    const auto measured = marginalPerItem(benchmark, size(2), size(3));
    if (!measured || !baseline)
        return;
    std::printf("# %s = %s from %d to %d %.4g us / from %d to %d %.4g us (difference of medians per item added)\n",
                name, benchmark.c_str(), size(2), size(3), *measured * 1e6, size(0), size(1), *baseline * 1e6);
    std::printf("%s: %.2f\n", name, *measured / *baseline);
}
