// From exec to a mapped window on an X server: keldra-config next to a minimal SDL2 program
// that opens one window of the same size, on the same private Xvfb. The two start in turn,
// so both meet the machine in the same state, and the medians leave out the odd start that
// the machine happened to slow down.
#include <benchmark/benchmark.h>

#include <filesystem>

#include "MappedWindowTimer.h"
#include "StartsInTurn.h"
#include "support/XvfbServer.h"

namespace {

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
    keldra::bench::TimeStartsInTurn(
        state, [&] { std::filesystem::remove(folder / "CONFIG.INI"); },
        [&] { return MillisecondsToMappedWindow(KELDRA_CONFIG_PATH, folder); },
        [&] { return MillisecondsToMappedWindow(MINIMAL_SDL_WINDOW_PATH, folder); });
    std::filesystem::remove_all(folder);
}
BENCHMARK(BM_EditorNextToMinimalSdl)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(40);

}  // namespace
