// The desktop host on a real X server: a shaped window that a player can see and click.
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <functional>
#include <map>
#include <sstream>
#include <vector>

#include "platform/sdl/SdlHost.h"
#include "support/ChildProcess.h"
#include "support/ProgramRun.h"
#include "support/ShellValues.h"
#include "support/XProbe.h"
#include "support/XvfbServer.h"

namespace keldra::platform::host {
namespace {

using keldra::testing::ShellValues;

using gdi::Point;
using gdi::Rect;
using gdi::Region;

struct Recorded {
    enum class Kind { Move, Button, Key, Close, Restore, Clock, WindowMoved } kind;
    Point point{};
    bool down = false;
    UINT vk = 0;
};

class Recorder final : public HostEvents {
  public:
    void PointerMoved(Point screen) override { seen.push_back({Recorded::Kind::Move, screen}); }
    void LeftButton(Point screen, bool down) override {
        seen.push_back({Recorded::Kind::Button, screen, down});
    }
    void Key(UINT vk, bool down) override { seen.push_back({Recorded::Kind::Key, {}, down, vk}); }
    void ClockAdvanced() override { seen.push_back({Recorded::Kind::Clock}); }
    void RestoreRequested(HWND) override { seen.push_back({Recorded::Kind::Restore}); }
    void CloseRequested(HWND) override { seen.push_back({Recorded::Kind::Close}); }
    void WindowMoved(HWND, Point screen) override {
        seen.push_back({Recorded::Kind::WindowMoved, screen});
    }
    void DeliverPending() override {}

    std::vector<Recorded> Of(Recorded::Kind kind) const {
        std::vector<Recorded> found;
        for (const Recorded& r : seen) {
            if (r.kind == kind) found.push_back(r);
        }
        return found;
    }
    std::vector<Recorded> seen;
};

// A window of 200 x 150 at (100, 80) whose four corners are cut away (12 x 12 each).
constexpr Rect kPlace{100, 80, 300, 230};
constexpr int kCut = 12;
const HWND kWindow = reinterpret_cast<HWND>(std::uintptr_t{0x1000});

Region TestShape() {
    Region shape(Rect{0, 0, 200, 150});
    for (const Rect corner :
         {Rect{0, 0, kCut, kCut}, Rect{200 - kCut, 0, 200, kCut}, Rect{0, 150 - kCut, kCut, 150},
          Rect{200 - kCut, 150 - kCut, 200, 150}}) {
        Region::Combine(shape, Region(corner), gdi::RegionOp::Diff, shape);
    }
    return shape;
}

class SdlHostTest : public ::testing::Test {
  protected:
    void SetUp() override {
        if (!xvfb_.Running()) GTEST_SKIP() << "no X server for this test: " << xvfb_.Problem();
        setenv("DISPLAY", xvfb_.Display().c_str(), 1);
        unsetenv("WAYLAND_DISPLAY");
        std::string error;
        host_ = SdlHost::Open(error);
        ASSERT_NE(host_, nullptr) << error;
        host_->Attach(&events_);
    }
    void TearDown() override { host_.reset(); }

    static std::string Xdotool(const std::vector<std::string>& args) {
        return testing::RunProgram("/usr/bin/xdotool", args).out;
    }

    bool PumpUntil(const std::function<bool()>& done) {
        const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(5);
        while (std::chrono::steady_clock::now() < end) {
            host_->PumpEvents(20);
            if (done()) return true;
        }
        return false;
    }

    void PumpFor(std::chrono::milliseconds time) {
        const auto end = std::chrono::steady_clock::now() + time;
        while (std::chrono::steady_clock::now() < end) host_->PumpEvents(20);
    }

    // Shows the test window filled with one colour and returns its X window id.
    std::string ShowTestWindow(std::uint32_t colour = 0x336699) {
        auto pixels =
            gdi::Surface::Create(kPlace.Width(), kPlace.Height(), gdi::PixelFormat::Colour);
        pixels->Fill(pixels->Bounds(), colour);
        host_->Show(kWindow, NativeWindowState{kPlace, L"Keldra test \uD55C", nullptr, TestShape(),
                                               nullptr});
        host_->Present(kWindow, *pixels);
        std::string id;
        PumpUntil([&] {
            id = Xdotool({"search", "--onlyvisible", "--name", "^Keldra test"});
            return !id.empty();
        });
        if (const auto newline = id.find('\n'); newline != std::string::npos) id.resize(newline);
        return id;
    }

    testing::XvfbServer xvfb_;
    Recorder events_;
    std::unique_ptr<SdlHost> host_;
};

TEST_F(SdlHostTest, TheWindowAppearsWithItsTitleSizeAndPlace) {
    const std::string id = ShowTestWindow();
    ASSERT_FALSE(id.empty()) << "no visible window with the title";
    EXPECT_EQ(Xdotool({"getwindowname", id}), "Keldra test \xED\x95\x9C\n");
    auto geometry = ShellValues(Xdotool({"getwindowgeometry", "--shell", id}));
    EXPECT_EQ(geometry["X"], "100");
    EXPECT_EQ(geometry["Y"], "80");
    EXPECT_EQ(geometry["WIDTH"], "200");
    EXPECT_EQ(geometry["HEIGHT"], "150");
}

TEST_F(SdlHostTest, TheShapeCutsTheWindowForTheEyeAndForThePointer) {
    const std::string id = ShowTestWindow();
    ASSERT_FALSE(id.empty());
    EXPECT_EQ(testing::XProbe::ShapeArea(xvfb_.Display(), std::stoul(id)),
              200 * 150 - 4 * kCut * kCut);

    Xdotool({"mousemove", "--sync", "102", "82"});  // inside the cut-away top-left corner
    EXPECT_NE(ShellValues(Xdotool({"getmouselocation", "--shell"}))["WINDOW"], id);
    Xdotool({"mousemove", "--sync", "200", "150"});
    EXPECT_EQ(ShellValues(Xdotool({"getmouselocation", "--shell"}))["WINDOW"], id);
}

TEST_F(SdlHostTest, WithoutAShapeTheWholeRectangleCountsAgain) {
    const std::string id = ShowTestWindow();
    ASSERT_FALSE(id.empty());
    host_->SetShape(kWindow, std::nullopt);
    PumpFor(std::chrono::milliseconds(100));
    EXPECT_EQ(testing::XProbe::ShapeArea(xvfb_.Display(), std::stoul(id)), 200 * 150);
    Xdotool({"mousemove", "--sync", "102", "82"});  // the corner that was cut away
    EXPECT_EQ(ShellValues(Xdotool({"getmouselocation", "--shell"}))["WINDOW"], id);
}

TEST_F(SdlHostTest, AResizedWindowKeepsItsShape) {
    const std::string id = ShowTestWindow();
    ASSERT_FALSE(id.empty());
    host_->Move(kWindow, Rect{kPlace.left, kPlace.top, kPlace.left + 200, kPlace.top + 120});
    PumpFor(std::chrono::milliseconds(100));
    // The bottom corners now lie below the window; the top ones are still cut.
    EXPECT_EQ(testing::XProbe::ShapeArea(xvfb_.Display(), std::stoul(id)),
              200 * 120 - 2 * kCut * kCut);
}

TEST_F(SdlHostTest, AnXErrorDoesNotEndTheProgram) {
    testing::XProbe::ProvokeErrors(xvfb_.Display());  // Xlib's own handler would exit here
    EXPECT_FALSE(ShowTestWindow().empty()) << "the host no longer works";
}

// Shows a second window that belongs to the test window and returns its X window id.
std::string ShowBelongingWindow(SdlHost& host, NativeWindowRole role, const std::string& title,
                                const std::function<void()>& pump) {
    const HWND window = reinterpret_cast<HWND>(std::uintptr_t{0x2000});
    const Rect place{120, 240, 220, 300};
    host.Show(window, NativeWindowState{place, std::wstring(title.begin(), title.end()), nullptr,
                                        std::nullopt, nullptr, role, kWindow});
    auto pixels = gdi::Surface::Create(place.Width(), place.Height(), gdi::PixelFormat::Colour);
    host.Present(window, *pixels);
    pump();
    std::string id =
        testing::RunProgram("/usr/bin/xdotool", {"search", "--name", "^" + title + "$"}).out;
    if (const auto newline = id.find('\n'); newline != std::string::npos) id.resize(newline);
    return id;
}

TEST_F(SdlHostTest, ADropDownIsAPopupTheWindowManagerLeavesAlone) {
    ASSERT_FALSE(ShowTestWindow().empty());
    const std::string id = ShowBelongingWindow(*host_, NativeWindowRole::Popup, "Keldra list",
                                               [this] { PumpFor(std::chrono::milliseconds(200)); });
    ASSERT_FALSE(id.empty());
    const std::string info = testing::RunProgram("/usr/bin/xwininfo", {"-id", id}).out;
    EXPECT_NE(info.find("Override Redirect State: yes"), std::string::npos) << info;
    auto geometry = ShellValues(Xdotool({"getwindowgeometry", "--shell", id}));
    EXPECT_EQ(geometry["X"], "120");
    EXPECT_EQ(geometry["Y"], "240");
}

TEST_F(SdlHostTest, AnOwnedWindowStaysWithItsOwnerAndOutOfTheTaskBar) {
    const std::string ownerId = ShowTestWindow();
    ASSERT_FALSE(ownerId.empty());
    const std::string id = ShowBelongingWindow(*host_, NativeWindowRole::Owned, "Keldra box",
                                               [this] { PumpFor(std::chrono::milliseconds(200)); });
    ASSERT_FALSE(id.empty());
    const std::string properties =
        testing::RunProgram("/usr/bin/xprop", {"-id", id, "WM_TRANSIENT_FOR", "_NET_WM_STATE"}).out;
    std::ostringstream owner;
    owner << "0x" << std::hex << std::stoul(ownerId);
    EXPECT_NE(properties.find("window id # " + owner.str()), std::string::npos) << properties;
    EXPECT_NE(properties.find("_NET_WM_STATE_SKIP_TASKBAR"), std::string::npos) << properties;
}

TEST_F(SdlHostTest, PresentedPixelsReachTheScreen) {
    const std::string id = ShowTestWindow(0xC08040);
    ASSERT_FALSE(id.empty());
    PumpFor(std::chrono::milliseconds(300));  // let the server draw what it was sent
    EXPECT_EQ(testing::XProbe::ScreenPixel(xvfb_.Display(), 200, 150), 0xC08040);
}

TEST_F(SdlHostTest, AClickArrivesAtItsScreenPoint) {
    ASSERT_FALSE(ShowTestWindow().empty());
    Xdotool({"mousemove", "--sync", "150", "120", "click", "1"});
    ASSERT_TRUE(PumpUntil([&] { return events_.Of(Recorded::Kind::Button).size() >= 2; }));
    const auto buttons = events_.Of(Recorded::Kind::Button);
    EXPECT_TRUE(buttons[0].down);
    EXPECT_FALSE(buttons[1].down);
    EXPECT_EQ(buttons[0].point, (Point{150, 120}));
    EXPECT_EQ(buttons[1].point, (Point{150, 120}));
}

TEST_F(SdlHostTest, AMoveByAnotherProgramIsReportedAndTheHostsOwnIsNot) {
    const std::string id = ShowTestWindow();
    ASSERT_FALSE(id.empty());
    host_->Move(kWindow, Rect::FromSize(120, 90, kPlace.Width(), kPlace.Height()));
    PumpFor(std::chrono::milliseconds(200));
    EXPECT_TRUE(events_.Of(Recorded::Kind::WindowMoved).empty()) << "the layer's own move echoed";

    Xdotool({"windowmove", "--sync", id, "300", "250"});
    ASSERT_TRUE(PumpUntil([&] { return !events_.Of(Recorded::Kind::WindowMoved).empty(); }));
    PumpFor(std::chrono::milliseconds(100));
    const auto moves = events_.Of(Recorded::Kind::WindowMoved);
    EXPECT_EQ(moves.size(), 1u);
    EXPECT_EQ(moves.back().point, (Point{300, 250}));
}

TEST_F(SdlHostTest, AfterAReleaseOverACutCornerTheNextClickArrivesWhereItIs) {
    ASSERT_FALSE(ShowTestWindow().empty());
    Xdotool({"mousemove", "--sync", "150", "120", "mousedown", "1"});
    PumpFor(std::chrono::milliseconds(100));
    host_->SetMouseCapture(true);                   // as a control does when it is pressed
    Xdotool({"mousemove", "--sync", "104", "84"});  // inside the cut-away top-left corner
    PumpFor(std::chrono::milliseconds(100));
    Xdotool({"mouseup", "1"});
    PumpFor(std::chrono::milliseconds(100));
    host_->SetMouseCapture(false);
    PumpFor(std::chrono::milliseconds(100));
    Xdotool({"mousemove", "--sync", "250", "200", "click", "1"});
    ASSERT_TRUE(PumpUntil([&] { return events_.Of(Recorded::Kind::Button).size() >= 4; }));
    const auto buttons = events_.Of(Recorded::Kind::Button);
    EXPECT_EQ(buttons[1].point, (Point{104, 84})) << "the release, over the corner";
    EXPECT_EQ(buttons[2].point, (Point{250, 200}));
    EXPECT_EQ(buttons[3].point, (Point{250, 200}));
}

TEST_F(SdlHostTest, KeysArriveAsVirtualKeyCodes) {
    const std::string id = ShowTestWindow();
    ASSERT_FALSE(id.empty());
    Xdotool({"mousemove", "--sync", "200", "150", "click", "1"});
    Xdotool({"windowfocus", "--sync", id});
    Xdotool({"key", "shift+Tab", "Escape"});
    ASSERT_TRUE(PumpUntil([&] { return events_.Of(Recorded::Kind::Key).size() >= 6; }));
    std::vector<UINT> pressed, released;
    for (const Recorded& r : events_.Of(Recorded::Kind::Key))
        (r.down ? pressed : released).push_back(r.vk);
    EXPECT_EQ(pressed, (std::vector<UINT>{VK_SHIFT, VK_TAB, VK_ESCAPE}));
    std::sort(released.begin(), released.end());
    EXPECT_EQ(released, (std::vector<UINT>{VK_TAB, VK_SHIFT, VK_ESCAPE}));
}

TEST_F(SdlHostTest, AnIdleWindowUsesNoMeasurableProcessorTime) {
    ASSERT_FALSE(ShowTestWindow().empty());
    host_->PumpEvents(100);
    const auto cpu = [] {
        rusage usage{};
        getrusage(RUSAGE_SELF, &usage);
        return (usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) * 1000000L + usage.ru_utime.tv_usec +
               usage.ru_stime.tv_usec;
    };
    const long before = cpu();
    host_->SetWakeTime(host_->Now() + 2000);
    const auto start = std::chrono::steady_clock::now();
    while (std::chrono::steady_clock::now() - start < std::chrono::seconds(2))
        host_->WaitForEvents();
    const long used = cpu() - before;
    // A loop that polls instead of sleeping burns most of the two seconds; a sleeping one
    // uses a few milliseconds, more under the sanitizers on a busy machine.
    EXPECT_LT(used, 400000) << "microseconds of processor time while idle for two seconds";
    EXPECT_FALSE(events_.Of(Recorded::Kind::Clock).empty())
        << "the wake-up time arrives as the clock advancing";
}

TEST(SdlHostWithoutDisplay, SaysWhyInsteadOfCrashing) {
    const int status = testing::RunInChild([] {
        unsetenv("DISPLAY");
        unsetenv("WAYLAND_DISPLAY");
        std::string error;
        const auto host = SdlHost::Open(error);
        if (host != nullptr) return 10;
        return error.find("cannot open a window") != std::string::npos ? 0 : 11;
    });
    EXPECT_EQ(status, 0);
}

}  // namespace
}  // namespace keldra::platform::host
