#include "StartsInTurn.h"

#include <algorithm>
#include <vector>

namespace keldra::bench {

namespace {

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

double Mean(const std::vector<double>& values) {
    double sum = 0;
    for (const double value : values) sum += value;
    return sum / static_cast<double>(values.size());
}

}  // namespace

void TimeStartsInTurn(benchmark::State& state, const std::function<void()>& beforeEach,
                      const std::function<double()>& editor,
                      const std::function<double()>& minimal) {
    std::vector<double> editorTimes, minimalTimes;
    for (auto _ : state) {
        beforeEach();
        const double editorTime = editor();
        const double minimalTime = minimal();
        if (editorTime < 0 || minimalTime < 0) {
            state.SkipWithError("no window appeared");
            break;
        }
        editorTimes.push_back(editorTime);
        minimalTimes.push_back(minimalTime);
        state.SetIterationTime(editorTime / 1000);
    }
    if (editorTimes.empty()) return;
    state.counters["editor_median_ms"] = Median(editorTimes);
    state.counters["minimal_median_ms"] = Median(minimalTimes);
    state.counters["editor_mean_ms"] = Mean(editorTimes);
    state.counters["minimal_mean_ms"] = Mean(minimalTimes);
    state.counters["ratio"] = Median(editorTimes) / Median(minimalTimes);
}

}  // namespace keldra::bench
