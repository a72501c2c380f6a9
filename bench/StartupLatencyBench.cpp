// From exec to a mapped window on an X server: keldra-config next to a minimal SDL2 program
// that opens one window of the same size, in the same run and on the same private Xvfb.
#include <X11/Xlib.h>
#include <benchmark/benchmark.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "support/XvfbServer.h"

namespace {

keldra::testing::XvfbServer& Server() {
    static keldra::testing::XvfbServer server;
    return server;
}

// Starts the program in `folder` and returns the seconds until the X server maps a window of it.
double SecondsToMappedWindow(const char* program, const std::filesystem::path& folder) {
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
    double seconds = -1;
    for (XEvent event; seconds < 0;) {
        XNextEvent(display, &event);
        if (event.type == MapNotify) {
            seconds =
                std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        }
    }
    kill(pid, SIGTERM);
    waitpid(pid, nullptr, 0);
    XCloseDisplay(display);
    return seconds;
}

void Measure(benchmark::State& state, const char* program) {
    if (!Server().Running()) {
        state.SkipWithError(Server().Problem().c_str());
        return;
    }
    const std::filesystem::path folder = std::filesystem::temp_directory_path() / "keldra-latency";
    std::filesystem::create_directories(folder);
    for (auto _ : state) {
        std::filesystem::remove(folder / "CONFIG.INI");  // every start is a first start
        const double seconds = SecondsToMappedWindow(program, folder);
        if (seconds < 0) state.SkipWithError("no window appeared");
        state.SetIterationTime(seconds);
    }
    std::filesystem::remove_all(folder);
}

void BM_EditorToMappedWindow(benchmark::State& state) {
    Measure(state, KELDRA_CONFIG_PATH);
}
BENCHMARK(BM_EditorToMappedWindow)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(20);

void BM_MinimalSdlToMappedWindow(benchmark::State& state) {
    Measure(state, MINIMAL_SDL_WINDOW_PATH);
}
BENCHMARK(BM_MinimalSdlToMappedWindow)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(20);

}  // namespace
