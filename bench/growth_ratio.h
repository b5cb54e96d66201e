// How a run time grows from a small input to a large one, net of the machine: the same two
// sizes go through a plain memory pass (memchr, memmem) in the same run, in alternation with
// the operation, so that caches and memory bandwidth weigh on both sides alike. Every run
// starts from a trimmed heap: a large run's freshly faulted pages are then not set against a
// small run's reused ones.
#pragma once

#include <malloc.h>

#include <algorithm>
#include <chrono>
#include <vector>

namespace growth {

struct Ratio {
  double growth = 0;         // median time on the large input / on the small one
  double machineGrowth = 0;  // the same for the plain memory pass
  double Net() const { return growth / machineGrowth; }
};

inline double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  const std::size_t half = values.size() / 2;
  return values.size() % 2 ? values[half] : (values[half - 1] + values[half]) / 2;
}

template <class Work>
double SecondsOf(Work& work, bool large) {
  ::malloc_trim(0);
  const auto start = std::chrono::steady_clock::now();
  work(large);
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

template <class Work>
void TimeBoth(Work& work, std::vector<double>& small, std::vector<double>& large) {
  small.push_back(SecondsOf(work, false));
  large.push_back(SecondsOf(work, true));
}

// operation(large) and pass(large) each do their work once. One untimed round warms both
// sizes up; then they alternate, small before large, and the operation and the pass take
// turns to go first, so that every small run follows a large one whoever runs it. The pass
// is cheap beside most operations and runs three times a round, for a steadier median.
template <class Operation, class Pass>
Ratio Measure(Operation operation, Pass pass, int rounds) {
  for (const bool large : {false, true}) {
    operation(large);
    pass(large);
  }
  std::vector<double> small, large, passSmall, passLarge;
  for (int round = 0; round < rounds; ++round) {
    if (round % 2 == 0) TimeBoth(operation, small, large);
    for (int repeat = 0; repeat < 3; ++repeat) TimeBoth(pass, passSmall, passLarge);
    if (round % 2 == 1) TimeBoth(operation, small, large);
  }
  return {Median(large) / Median(small), Median(passLarge) / Median(passSmall)};
}

}  // namespace growth
