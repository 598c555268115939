#pragma once

// Runs a benchmark as several separate repetitions and reports their mean,
// median, least and largest value (the range) instead of each run. Time is
// wall time beside the CPU time of the whole process: Qt scales and fills
// images on its thread pool, which the main thread's CPU time would miss.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <vector>

// Five repetitions reported by their mean, median, least and largest value, for a
// benchmark that measures its time itself.
inline void repeatedStatistics(benchmark::internal::Benchmark *bench)
{
    bench->Repetitions(5)
        ->ReportAggregatesOnly(true)
        ->ComputeStatistics("min",
                            [](const std::vector<double> &v) {
                                return *std::min_element(v.begin(), v.end());
                            })
        ->ComputeStatistics("max",
                            [](const std::vector<double> &v) {
                                return *std::max_element(v.begin(), v.end());
                            });
}

// For BENCHMARK(...)->Apply(repeatedRuns) or a registered benchmark.
inline void repeatedRuns(benchmark::internal::Benchmark *bench)
{
    repeatedStatistics(bench);
    bench->MeasureProcessCPUTime()->UseRealTime();
}
