#pragma once

#include <functional>

class RatioReporter;

// Runs the binary's benchmarks offscreen with the editor's style values, then summary, which
// prints the ratios.
int runBenchmarks(int argc, char **argv, const std::function<void(const RatioReporter &)> &summary);
