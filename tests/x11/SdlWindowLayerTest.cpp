// Platform windows on the desktop host: what a window procedure sees when a player clicks
// a shaped window on a real X server, and timers that wake a sleeping message loop.
#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <chrono>
#include <string>
#include <vector>

#include "platform/sdl/SdlHost.h"
#include "platform/user/windows/UserState.h"
#include "support/ProgramRun.h"
#include "support/XProbe.h"
#include "support/XvfbServer.h"

namespace keldra::platform::host {
namespace {

struct Seen {
    UINT message;
    int x;
    int y;
};

std::vector<Seen> g_seen;

LRESULT CALLBACK RecordingProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_LBUTTONDOWN:
            SetCapture(window);  // as a dragged surface does
            [[fallthrough]];
        case WM_MOUSEMOVE:
        case WM_LBUTTONUP:
            g_seen.push_back(
                {message, static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))});
            return 0;
        case WM_TIMER:
            g_seen.push_back({message, static_cast<int>(wParam), 0});
            return 0;
        case WM_ERASEBKGND: {
            RECT client{};
            GetClientRect(window, &client);
            HBRUSH brush = CreateSolidBrush(RGB(0x30, 0x60, 0x90));
            FillRect(reinterpret_cast<HDC>(wParam), &client, brush);
            DeleteObject(brush);
            return 1;
        }
        default:
            return DefWindowProcW(window, message, wParam, lParam);
    }
}

class SdlWindowLayerTest : public ::testing::Test {
  protected:
    void SetUp() override {
        if (!xvfb_.Running()) GTEST_SKIP() << "no X server for this test: " << xvfb_.Problem();
        setenv("DISPLAY", xvfb_.Display().c_str(), 1);
        unsetenv("WAYLAND_DISPLAY");
        std::string error;
        host_ = SdlHost::Open(error);
        ASSERT_NE(host_, nullptr) << error;
        user::CurrentWindows().SetHost(host_.get());
        WNDCLASSW windowClass{};
        windowClass.lpfnWndProc = &RecordingProcedure;
        windowClass.lpszClassName = L"KeldraX11Test";
        RegisterClassW(&windowClass);
        g_seen.clear();
    }
    void TearDown() override {
        if (!host_) return;
        if (window_ != nullptr) DestroyWindow(window_);
        Pump(std::chrono::milliseconds(50));
        user::CurrentWindows().SetHost(nullptr);
        host_.reset();
    }

    // Runs the message loop without blocking for the given time.
    void Pump(std::chrono::milliseconds time) {
        const auto end = std::chrono::steady_clock::now() + time;
        MSG message;
        while (std::chrono::steady_clock::now() < end) {
            while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&message);
            host_->PumpEvents(10);
        }
    }

    // A 200 x 150 popup at (100, 80) with its top-left 20 x 20 corner cut away.
    void ShowShapedWindow() {
        window_ = CreateWindowExW(0, L"KeldraX11Test", L"Keldra layer test", WS_POPUP, 100, 80, 200,
                                  150, nullptr, nullptr, nullptr, nullptr);
        HRGN shape = CreateRectRgn(0, 0, 200, 150);
        HRGN corner = CreateRectRgn(0, 0, 20, 20);
        CombineRgn(shape, shape, corner, RGN_DIFF);
        DeleteObject(corner);
        SetWindowRgn(window_, shape, TRUE);
        SendMessageW(window_, WM_SETICON, ICON_BIG,
                     reinterpret_cast<LPARAM>(LoadIcon(nullptr, MAKEINTRESOURCE(128))));
        ShowWindow(window_, SW_SHOW);
        Pump(std::chrono::milliseconds(300));
    }

    std::vector<Seen> SeenOf(UINT message) const {
        std::vector<Seen> found;
        for (const Seen& s : g_seen) {
            if (s.message == message) found.push_back(s);
        }
        return found;
    }

    testing::XvfbServer xvfb_;
    std::unique_ptr<SdlHost> host_;
    HWND window_ = nullptr;
};

TEST_F(SdlWindowLayerTest, AClickReachesTheWindowAtItsClientPoint) {
    ShowShapedWindow();
    EXPECT_EQ(testing::XProbe::ScreenPixel(xvfb_.Display(), 200, 150), 0x306090)
        << "the window painted itself";
    testing::RunProgram("/usr/bin/xdotool", {"mousemove", "--sync", "150", "120", "click", "1"});
    Pump(std::chrono::milliseconds(300));
    const auto down = SeenOf(WM_LBUTTONDOWN);
    const auto up = SeenOf(WM_LBUTTONUP);
    ASSERT_EQ(down.size(), 1u);
    ASSERT_EQ(up.size(), 1u);
    EXPECT_EQ(down[0].x, 50);
    EXPECT_EQ(down[0].y, 40);
    EXPECT_EQ(up[0].x, 50);
    EXPECT_EQ(up[0].y, 40);
}

TEST_F(SdlWindowLayerTest, TheWindowCarriesItsIconInEverySize) {
    ShowShapedWindow();
    std::string id =
        testing::RunProgram("/usr/bin/xdotool", {"search", "--name", "^Keldra layer test$"}).out;
    ASSERT_FALSE(id.empty());
    id.resize(id.find('\n'));
    auto sizes = testing::XProbe::IconSizes(xvfb_.Display(), std::stoul(id));
    std::sort(sizes.begin(), sizes.end());
    EXPECT_EQ(sizes, (std::vector<std::pair<long, long>>{{16, 16}, {32, 32}, {48, 48}}));
}

TEST_F(SdlWindowLayerTest, ACapturedDragKeepsItsMessagesOutsideTheWindow) {
    ShowShapedWindow();
    testing::RunProgram("/usr/bin/xdotool",
                        {"mousemove", "--sync", "150", "120", "mousedown", "1"});
    Pump(std::chrono::milliseconds(200));
    testing::RunProgram("/usr/bin/xdotool", {"mousemove", "--sync", "450", "400"});
    Pump(std::chrono::milliseconds(200));
    testing::RunProgram("/usr/bin/xdotool", {"mouseup", "1"});
    Pump(std::chrono::milliseconds(300));
    ReleaseCapture();
    const auto moves = SeenOf(WM_MOUSEMOVE);
    ASSERT_FALSE(moves.empty());
    EXPECT_EQ(moves.back().x, 350) << "client coordinates beyond the window's right edge";
    EXPECT_EQ(moves.back().y, 320);
    const auto up = SeenOf(WM_LBUTTONUP);
    ASSERT_EQ(up.size(), 1u);
    EXPECT_EQ(up[0].x, 350);
    EXPECT_EQ(up[0].y, 320);
}

TEST_F(SdlWindowLayerTest, AClickOnTheCutCornerDoesNotReachTheWindow) {
    ShowShapedWindow();
    testing::RunProgram("/usr/bin/xdotool", {"mousemove", "--sync", "105", "85", "click", "1"});
    Pump(std::chrono::milliseconds(300));
    EXPECT_TRUE(SeenOf(WM_LBUTTONDOWN).empty());
}

TEST_F(SdlWindowLayerTest, AfterAnotherProgramMovesTheWindowAClickReachesItsClientPoint) {
    ShowShapedWindow();
    std::string id =
        testing::RunProgram("/usr/bin/xdotool", {"search", "--name", "^Keldra layer test$"}).out;
    ASSERT_FALSE(id.empty());
    id.resize(id.find('\n'));
    testing::RunProgram("/usr/bin/xdotool", {"windowmove", "--sync", id, "300", "250"});
    Pump(std::chrono::milliseconds(300));
    RECT placed{};
    GetWindowRect(window_, &placed);
    EXPECT_EQ(placed.left, 300);
    EXPECT_EQ(placed.top, 250);
    testing::RunProgram("/usr/bin/xdotool", {"mousemove", "--sync", "350", "290", "click", "1"});
    Pump(std::chrono::milliseconds(300));
    const auto down = SeenOf(WM_LBUTTONDOWN);
    ASSERT_EQ(down.size(), 1u);
    EXPECT_EQ(down[0].x, 50);
    EXPECT_EQ(down[0].y, 40);
}

TEST_F(SdlWindowLayerTest, ATimerWakesAWaitingMessageLoop) {
    ShowShapedWindow();
    SetTimer(window_, 7, 150, nullptr);
    const auto start = std::chrono::steady_clock::now();
    MSG message;
    // GetMessage sleeps in the host until the timer falls due.
    while (SeenOf(WM_TIMER).size() < 2 &&
           std::chrono::steady_clock::now() - start < std::chrono::seconds(5)) {
        if (GetMessageW(&message, nullptr, 0, 0) <= 0) break;
        DispatchMessageW(&message);
    }
    KillTimer(window_, 7);
    const auto timers = SeenOf(WM_TIMER);
    ASSERT_GE(timers.size(), 2u);
    EXPECT_EQ(timers[0].x, 7);
    EXPECT_GE(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(290));
}

}  // namespace
}  // namespace keldra::platform::host
