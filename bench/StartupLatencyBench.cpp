// From exec to a mapped window on an X server: keldra-config next to a minimal SDL2 program
// that opens one window of the same size, on the same private Xvfb. The two start in turn,
// so both meet the machine in the same state, and the medians leave out the odd start that
// the machine happened to slow down.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <vector>

#include "MappedWindowTimer.h"
#include "support/XvfbServer.h"

namespace {

using keldra::bench::Mean;
using keldra::bench::Median;

keldra::testing::XvfbServer& Server() {
    static keldra::testing::XvfbServer server;
    return server;
}

// The milliseconds from exec to the program's 456 x 653 window, or a negative number.
double MillisecondsToMappedWindow(const char* program, const std::filesystem::path& folder) {
    return keldra::bench::MillisecondsToMappedWindow(Server().Display(), {{program}, folder}, 456,
                                                     653);
}

// Each iteration starts the editor (in a folder without CONFIG.INI, as a first start) and
// then the minimal program. The counters give both medians, both means and the ratio of the
// medians; the iteration time is the editor's.
void BM_EditorNextToMinimalSdl(benchmark::State& state) {
    if (!Server().Running()) {
        state.SkipWithError(Server().Problem().c_str());
        return;
    }
    const std::filesystem::path folder = std::filesystem::temp_directory_path() / "keldra-latency";
    std::filesystem::create_directories(folder);
    std::vector<double> editor, minimal;
    for (auto _ : state) {
        std::filesystem::remove(folder / "CONFIG.INI");
        const double editorTime = MillisecondsToMappedWindow(KELDRA_CONFIG_PATH, folder);
        const double minimalTime = MillisecondsToMappedWindow(MINIMAL_SDL_WINDOW_PATH, folder);
        if (editorTime < 0 || minimalTime < 0) {
            state.SkipWithError("no window appeared");
            break;
        }
        editor.push_back(editorTime);
        minimal.push_back(minimalTime);
        state.SetIterationTime(editorTime / 1000);
    }
    std::filesystem::remove_all(folder);
    if (editor.empty()) return;
    state.counters["editor_median_ms"] = Median(editor);
    state.counters["minimal_median_ms"] = Median(minimal);
    state.counters["editor_mean_ms"] = Mean(editor);
    state.counters["minimal_mean_ms"] = Mean(minimal);
    state.counters["ratio"] = Median(editor) / Median(minimal);
}
BENCHMARK(BM_EditorNextToMinimalSdl)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(40);

}  // namespace
