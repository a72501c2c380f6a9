// Two programs' start-up times taken in turn, so that both meet the machine in the same
// state, reported as medians (which leave out the odd start the machine slowed down).
#pragma once

#include <benchmark/benchmark.h>

#include <functional>

namespace keldra::bench {

// Each iteration runs beforeEach, then times `editor`, then `minimal` (each gives the
// milliseconds to its window, or a negative number when none came). The counters hold both
// medians, both means and the ratio of the medians; the iteration time is the editor's.
void TimeStartsInTurn(benchmark::State& state, const std::function<void()>& beforeEach,
                      const std::function<double()>& editor,
                      const std::function<double()>& minimal);

}  // namespace keldra::bench
