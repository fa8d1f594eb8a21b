#pragma once

#include <benchmark/benchmark.h>

// The targets, as medians on the reference machine. Each benchmark carries its target as the counter
// "target_ms", which the report compares with the median.
namespace tv::bench {

inline constexpr double kCalculateTarget = 0.100;     // every Calculate, in the model
inline constexpr double kTableComputeTarget = 5.0;    // Show Payments on the largest table, in the model
inline constexpr double kDrawTarget = 16.0;           // drawing the largest table or the longest schedule
inline constexpr double kSettingsReadTarget = 100.0;  // the start-up values from a settings file at its size limit
inline constexpr double kHistoryOpenTarget = 100.0;   // the history window at its entry limit, to its first paint

inline void setTarget(benchmark::State& state, double targetMs)
{
    state.counters["target_ms"] = benchmark::Counter(targetMs);
}

}  // namespace tv::bench
