// What the developer's trace costs a sent message: off (as players run it), and on with its
// lines thrown away, for scale.
#include <benchmark/benchmark.h>
#include <windows.h>

#include <cstdio>

#include "platform/headless/HeadlessHost.h"
#include "platform/kernel/Trace.h"
#include "platform/user/windows/UserState.h"

namespace {

using keldra::platform::Trace;
using keldra::platform::host::HeadlessHost;
using keldra::platform::user::CurrentWindows;

LRESULT CALLBACK Answer(HWND, UINT message, WPARAM, LPARAM) {
    return static_cast<LRESULT>(message);
}

// One top-level window of a trivial class on a headless host, for the benchmark's life.
class TraceBenchWindow {
  public:
    TraceBenchWindow() {
        CurrentWindows().SetHost(&host_);
        WNDCLASSW windowClass{};
        windowClass.lpfnWndProc = Answer;
        windowClass.lpszClassName = L"KeldraTraceBench";
        RegisterClassW(&windowClass);
        window_ = CreateWindowExW(0, L"KeldraTraceBench", L"", WS_POPUP, 0, 0, 10, 10, nullptr,
                                  nullptr, nullptr, nullptr);
    }
    ~TraceBenchWindow() {
        DestroyWindow(window_);
        UnregisterClassW(L"KeldraTraceBench", nullptr);
        CurrentWindows().SetHost(nullptr);
    }
    HWND Handle() const { return window_; }

  private:
    HeadlessHost host_;
    HWND window_ = nullptr;
};

void SendMany(benchmark::State& state, const char* channels, std::FILE* out) {
    Trace::Configure(channels, out);
    TraceBenchWindow window;
    for (auto _ : state) {
        benchmark::DoNotOptimize(SendMessageW(window.Handle(), WM_NULL, 1, 2));
    }
    Trace::Configure("", nullptr);
}

void BM_SendMessageTraceOff(benchmark::State& state) {
    SendMany(state, "", nullptr);
}
BENCHMARK(BM_SendMessageTraceOff);

void BM_SendMessageTraceOnToDevNull(benchmark::State& state) {
    std::FILE* sink = std::fopen("/dev/null", "w");
    if (sink == nullptr) {
        state.SkipWithError("no /dev/null");
        return;
    }
    SendMany(state, "msg", sink);
    std::fclose(sink);
}
BENCHMARK(BM_SendMessageTraceOnToDevNull);

}  // namespace
