// The editor from start to its first complete frame on the headless host, next to making
// and painting one bare window of the same size on the same host.
#include <benchmark/benchmark.h>
#include <windows.h>

#include <cstdlib>
#include <filesystem>

#include "app/CConfigApp.h"
#include "platform/headless/HeadlessHost.h"
#include "platform/user/windows/UserState.h"
#include "settings/DefaultSettingsFile.h"

CConfigApp theApp;

namespace {

using keldra::platform::host::HeadlessHost;
using keldra::platform::user::CurrentWindows;

// A game folder with its CONFIG.INI, made the current folder for the benchmark's life.
class GameFolder {
  public:
    GameFolder() {
        std::string pattern =
            (std::filesystem::temp_directory_path() / "keldra-startup-XXXXXX").string();
        if (mkdtemp(pattern.data()) == nullptr) std::abort();
        folder_ = pattern;
        keldra::settings::DefaultSettingsFile::CreateIfMissing(
            std::wstring(pattern.begin(), pattern.end()) + L"\\CONFIG.INI");
        std::filesystem::current_path(folder_);
    }
    ~GameFolder() {
        std::filesystem::current_path(std::filesystem::temp_directory_path());
        std::filesystem::remove_all(folder_);
    }

  private:
    std::filesystem::path folder_;
};

void BM_EditorToFirstFrame(benchmark::State& state) {
    GameFolder game;
    for (auto _ : state) {
        HeadlessHost host;
        CurrentWindows().SetHost(&host);
        // The first step runs once the window is painted and shown; the run ends after it.
        host.Then([] {});
        AfxWinMain();
        MSG message;
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        }
        CurrentWindows().SetHost(nullptr);
    }
}
BENCHMARK(BM_EditorToFirstFrame)->Unit(benchmark::kMillisecond);

LRESULT CALLBACK PlainProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    return DefWindowProcW(window, message, wParam, lParam);
}

void BM_BareWindowFirstFrame(benchmark::State& state) {
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = &PlainProcedure;
    windowClass.lpszClassName = L"KeldraBenchWindow";
    windowClass.hbrBackground = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
    RegisterClassW(&windowClass);
    for (auto _ : state) {
        HeadlessHost host;
        CurrentWindows().SetHost(&host);
        HWND window = CreateWindowExW(0, L"KeldraBenchWindow", L"bare", WS_POPUP | WS_VISIBLE, 0, 0,
                                      456, 653, nullptr, nullptr, nullptr, nullptr);
        MSG message;
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&message);
        DestroyWindow(window);
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&message);
        CurrentWindows().SetHost(nullptr);
    }
    UnregisterClassW(L"KeldraBenchWindow", nullptr);
}
BENCHMARK(BM_BareWindowFirstFrame)->Unit(benchmark::kMillisecond);

}  // namespace
