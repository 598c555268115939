#pragma once

// Every figure of a benchmark is taken over several runs and reported as their median,
// with the fastest and the slowest run beside it (and the mean and spread Google
// Benchmark adds).
#include <benchmark/benchmark.h>

#include <algorithm>
#include <vector>

namespace bench {

constexpr int Runs = 5;

inline void repeated(benchmark::internal::Benchmark *b)
{
    b->Repetitions(Runs)
        ->ReportAggregatesOnly(true)
        ->ComputeStatistics("min",
                            [](const std::vector<double> &v) { return *std::min_element(v.begin(), v.end()); })
        ->ComputeStatistics("max",
                            [](const std::vector<double> &v) { return *std::max_element(v.begin(), v.end()); });
}

} // namespace bench
