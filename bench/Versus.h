#pragma once
// A figure set against a baseline timed in the same iterations, so that the ratio holds however
// busy the machine is while the benchmark runs.
#include <benchmark/benchmark.h>

#include <chrono>
#include <string>

// Each iteration runs `baseline`, then `subject`; the iteration's time is the subject's. Sets
// "<name>_vs_<baselineName>" (subject time over baseline time) and, when `items` is not zero,
// the nanoseconds per item of each.
template <typename Baseline, typename Subject>
void TimeAgainst(benchmark::State& state, const std::string& name, const std::string& baselineName, double items,
                 Baseline baseline, Subject subject)
{
  double baselineSeconds = 0;
  double subjectSeconds = 0;
  for (auto _ : state)
  {
    const auto start = std::chrono::steady_clock::now();
    baseline();
    const auto middle = std::chrono::steady_clock::now();
    subject();
    const auto end = std::chrono::steady_clock::now();
    baselineSeconds += std::chrono::duration<double>(middle - start).count();
    const double seconds = std::chrono::duration<double>(end - middle).count();
    subjectSeconds += seconds;
    state.SetIterationTime(seconds);
  }
  const double iterations = static_cast<double>(state.iterations());
  state.counters[name + "_vs_" + baselineName] = baselineSeconds > 0 ? subjectSeconds / baselineSeconds : 0;
  if (items > 0 && iterations > 0)
  {
    state.counters[name + "_ns"] = subjectSeconds * 1e9 / (iterations * items);
    state.counters[baselineName + "_ns"] = baselineSeconds * 1e9 / (iterations * items);
  }
}
