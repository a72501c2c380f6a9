// From exec to a mapped window under Wine: keldra-config.exe next to a minimal Win32 program
// that opens one dialog of the same size, alternating, on the shared Wine test desktop
// (tests/windows/run-startup-benchmark.sh starts it there). Wine's server stays up between
// programs, and one more minimal dialog stays open throughout, so that Wine's desktop process
// is running as Explorer is on Windows: neither program pays for starting either.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "MappedWindowTimer.h"
#include "StartsInTurn.h"

namespace {

std::string Environment(const char* name) {
    const char* value = std::getenv(name);
    return value == nullptr ? std::string() : std::string(value);
}

keldra::bench::ProgramStart UnderWine(const std::filesystem::path& program,
                                      const std::filesystem::path& folder) {
    return {{Environment("KELDRA_WINE"), program.string()}, folder};
}

double MillisecondsToMappedWindow(const std::filesystem::path& program,
                                  const std::filesystem::path& folder) {
    return keldra::bench::MillisecondsToMappedWindow(Environment("DISPLAY"),
                                                     UnderWine(program, folder), 456, 653);
}

// A program left open for the whole run; ended with the object.
class OpenProgram {
  public:
    OpenProgram(const std::filesystem::path& program, const std::filesystem::path& folder)
        : pid_(keldra::bench::StartUntilMapped(Environment("DISPLAY"), UnderWine(program, folder),
                                               456, 653)
                   .pid) {}
    ~OpenProgram() { keldra::bench::EndProgram(pid_); }
    OpenProgram(const OpenProgram&) = delete;
    OpenProgram& operator=(const OpenProgram&) = delete;

  private:
    pid_t pid_;
};

// Each iteration starts the editor (in a folder without CONFIG.INI, as a first start) and
// then the minimal dialog. The counters give both medians, both means and the ratio of the
// medians; the iteration time is the editor's.
void BM_WindowsEditorNextToMinimalDialog(benchmark::State& state) {
    const std::filesystem::path build = Environment("KELDRA_WINDOWS_BUILD");
    if (Environment("KELDRA_WINE_SESSION").empty() || build.empty()) {
        state.SkipWithError("run it through tests/windows/run-startup-benchmark.sh");
        return;
    }
    const auto editorProgram = build / "src/app/keldra-config.exe";
    const auto minimalProgram = build / "bench/windows/minimal-dialog.exe";
    const std::filesystem::path folder =
        std::filesystem::temp_directory_path() / "keldra-wine-latency";
    std::filesystem::create_directories(folder);
    const OpenProgram desktopKeeper(minimalProgram, folder);
    // One untimed start of each first, so that neither pays for reading its program from disk.
    MillisecondsToMappedWindow(editorProgram, folder);
    MillisecondsToMappedWindow(minimalProgram, folder);
    keldra::bench::TimeStartsInTurn(
        state, [&] { std::filesystem::remove(folder / "CONFIG.INI"); },
        [&] { return MillisecondsToMappedWindow(editorProgram, folder); },
        [&] { return MillisecondsToMappedWindow(minimalProgram, folder); });
    std::filesystem::remove_all(folder);
}
BENCHMARK(BM_WindowsEditorNextToMinimalDialog)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(15);

}  // namespace
