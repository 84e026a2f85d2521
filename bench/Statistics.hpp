#pragma once
// How the benchmarks report: repetitions summed up as median, minimum and
// maximum (besides Google Benchmark's mean and deviation).

#include <benchmark/benchmark.h>

#include <algorithm>
#include <vector>

namespace statistics
{
// Both 0 when every repetition failed.
inline double minimum(const std::vector<double>& values)
{
    return values.empty() ? 0 : *std::min_element(values.begin(), values.end());
}

inline double maximum(const std::vector<double>& values)
{
    return values.empty() ? 0 : *std::max_element(values.begin(), values.end());
}

// Repeats the benchmark and reports the aggregates only.
template <int repetitions>
void repeated(benchmark::internal::Benchmark* benchmark)
{
    benchmark->Repetitions(repetitions)
        ->ComputeStatistics("min", minimum)
        ->ComputeStatistics("max", maximum)
        ->ReportAggregatesOnly(true);
}

// One call per repetition, timed by the benchmark itself: the spread of
// single calls, where a slow one is a hitch the learner would see.
template <int calls>
void perCall(benchmark::internal::Benchmark* benchmark)
{
    benchmark->Iterations(1)->UseManualTime()->Unit(benchmark::kMillisecond);
    repeated<calls>(benchmark);
}
} // namespace statistics
