// From exec to a mapped window on an X server: keldra-config next to a minimal SDL2 program
// that opens one window of the same size, on the same private Xvfb. The two start in turn,
// so both meet the machine in the same state, and the medians leave out the odd start that
// the machine happened to slow down.
#include <X11/Xlib.h>
#include <benchmark/benchmark.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "support/XvfbServer.h"

namespace {

keldra::testing::XvfbServer& Server() {
    static keldra::testing::XvfbServer server;
    return server;
}

// Starts the program in `folder` and returns the milliseconds until the X server maps a
// window of it, or a negative number when it fails.
double MillisecondsToMappedWindow(const char* program, const std::filesystem::path& folder) {
    Display* display = XOpenDisplay(Server().Display().c_str());
    if (display == nullptr) return -1;
    XSelectInput(display, DefaultRootWindow(display), SubstructureNotifyMask);
    XSync(display, True);
    const auto start = std::chrono::steady_clock::now();
    const pid_t pid = fork();
    if (pid == 0) {
        if (chdir(folder.c_str()) != 0) _exit(126);
        setenv("DISPLAY", Server().Display().c_str(), 1);
        execl(program, program, static_cast<char*>(nullptr));
        _exit(127);
    }
    double milliseconds = -1;
    for (XEvent event; milliseconds < 0;) {
        XNextEvent(display, &event);
        if (event.type == MapNotify) {
            milliseconds =
                std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
                    .count();
        }
    }
    kill(pid, SIGTERM);
    waitpid(pid, nullptr, 0);
    XCloseDisplay(display);
    return milliseconds;
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

double Mean(const std::vector<double>& values) {
    double sum = 0;
    for (const double value : values) sum += value;
    return sum / static_cast<double>(values.size());
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
