#pragma once
// Figures that hold from one machine to its twin: every benchmark runs long
// enough to be steady (a minimum time, not a fixed handful of iterations),
// is repeated, and reports the median of its repetitions with their spread
// (smallest, largest, coefficient of variation). KSY_BENCH_REPETITIONS
// overrides the number of repetitions (scripts/bench.sh passes
// REPETITIONS through it).
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdlib>
#include <vector>

namespace ksy::bench {

inline int repetitions()
{
    const char* text = std::getenv("KSY_BENCH_REPETITIONS");
    const int n = text ? std::atoi(text) : 0;
    return n > 0 ? n : 5;
}

inline double smallest(const std::vector<double>& v)
{
    return v.empty() ? 0.0 : *std::min_element(v.begin(), v.end());
}

inline double largest(const std::vector<double>& v)
{
    return v.empty() ? 0.0 : *std::max_element(v.begin(), v.end());
}

// Repetitions shown as aggregates: mean, median, stddev, cv, min, max (the
// output file keeps every repetition too). The statistics apply to the
// counters as well: the "max" of the slowest tick is the slowest of all.
inline void repeated(benchmark::internal::Benchmark* b)
{
    b->Repetitions(repetitions())
        ->DisplayAggregatesOnly(true)
        ->ComputeStatistics("min", smallest)
        ->ComputeStatistics("max", largest);
}

// Half a second of timed work per repetition (after a warm-up).
inline void steady(benchmark::internal::Benchmark* b)
{
    b->MinTime(0.5)->MinWarmUpTime(0.1);
    repeated(b);
}

// For paths that wait on the disk between iterations (a flush of 43 MB takes
// a second): a fifth of a second of timed work.
inline void steadyShort(benchmark::internal::Benchmark* b)
{
    b->MinTime(0.2);
    repeated(b);
}

} // namespace ksy::bench
