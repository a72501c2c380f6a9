// keldra-config on a real X desktop with a window manager, driven as a player drives it:
// xdotool for the mouse and keys, the X server's own answers for what is on screen.
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <map>
#include <sstream>
#include <thread>

#include "platform/sdl/DisplayScale.h"
#include "support/ChildProgram.h"
#include "support/ProgramRun.h"
#include "support/ShellValues.h"
#include "support/TempFolder.h"
#include "support/XProbe.h"
#include "support/XvfbServer.h"
#include "x11/EditorOnDesktop.h"

namespace {

using keldra::testing::ShellValues;

using keldra::testing::ChildProgram;
using keldra::testing::ReadBytes;
using keldra::testing::TempFolder;
using keldra::testing::WriteBytes;
using keldra::testing::XProbe;

using EditorDesktopTest = keldra::testing::EditorOnDesktop;

TEST_F(EditorDesktopTest, TheWindowAppearsUndecoratedWithItsTitleSizeAndSettingsFile) {
    ASSERT_FALSE(StartEditor().empty()) << "no window of the editor";
    EXPECT_EQ(Xdotool({"getwindowname", window_}), "Keldra\n");
    auto g = Geometry();
    EXPECT_EQ(g["WIDTH"], "456");
    EXPECT_EQ(g["HEIGHT"], "653");
    EXPECT_NE(Xprop({"-id", window_, "_NET_FRAME_EXTENTS"}).find("= 0, 0, 0, 0"), std::string::npos)
        << "the window manager drew no frame";
    EXPECT_EQ(ReadBytes(folder_ / "CONFIG.INI").size(), 3202u);
}

TEST_F(EditorDesktopTest, TheTranslatedTitleNamesTheWindow) {
    WriteBytes(
        folder_ / "T_CONFIG.INI",
        "\xEF\xBB\xBF[RES_TEXT]\r\nIDD_CONFIG_DIALOG=\xEC\xBC\x88\xEB\x93\x9C\xEB\x9D\xBC\r\n");
    ASSERT_FALSE(StartEditor().empty());
    EXPECT_EQ(Xdotool({"getwindowname", window_}), "\xEC\xBC\x88\xEB\x93\x9C\xEB\x9D\xBC\n");
}

TEST_F(EditorDesktopTest, TheShapeLeavesTheCornersToTheDesktop) {
    ASSERT_FALSE(StartEditor().empty());
    EXPECT_EQ(XProbe::ShapeArea(xvfb_.Display(), std::stoul(window_)), 293266);
    // The window manager holds the window in a frame of its own, cut to the same shape.
    const std::string frame =
        std::to_string(XProbe::TopLevelOf(xvfb_.Display(), std::stoul(window_)));
    MoveTo(1, 1);
    EXPECT_NE(ShellValues(Xdotool({"getmouselocation", "--shell"}))["WINDOW"], frame);
    MoveTo(228, 300);
    EXPECT_EQ(ShellValues(Xdotool({"getmouselocation", "--shell"}))["WINDOW"], frame);
}

TEST_F(EditorDesktopTest, CancelCloseAndEscapeLeaveWithoutWriting) {
    const std::string before = "[VIDEO]\r\nSIZE_X=800\r\n";
    for (int way = 0; way < 3; ++way) {
        WriteBytes(folder_ / "CONFIG.INI", before);
        ASSERT_FALSE(StartEditor().empty());
        if (way == 0) ClickAt(400, 625);  // Cancel
        if (way == 1) ClickAt(431, 20);   // the close title button
        if (way == 2) {
            Xdotool({"windowactivate", "--sync", window_});
            Xdotool({"key", "Escape"});
        }
        EXPECT_EQ(WaitForExit(), 0) << "way " << way << ": " << EditorErrors();
        EXPECT_EQ(ReadBytes(folder_ / "CONFIG.INI"), before) << "way " << way;
    }
}

TEST_F(EditorDesktopTest, AChangedCheckBoxReachesTheFileOnOk) {
    ASSERT_FALSE(StartEditor().empty());
    ClickAt(181, 72);   // the Sound tab
    ClickAt(81, 474);   // the "Character voice" check box, ticked by default
    ClickAt(317, 625);  // OK
    EXPECT_EQ(WaitForExit(), 0) << EditorErrors();
    const std::string file = ReadBytes(folder_ / "CONFIG.INI");
    EXPECT_NE(file.find("VOICE_CHAR=FALSE\r\n"), std::string::npos);
    EXPECT_NE(file.find("VOICE_NPC=TRUE\r\n"), std::string::npos);
}

TEST_F(EditorDesktopTest, ATerminatingSignalEndsItWithoutWriting) {
    const std::string before = "[VIDEO]\r\nSIZE_X=800\r\n";
    WriteBytes(folder_ / "CONFIG.INI", before);
    ASSERT_FALSE(StartEditor().empty());
    editor_->Terminate();
    EXPECT_TRUE(editor_->WaitForExit(std::chrono::seconds(2)).has_value())
        << "the editor ignored SIGTERM";
    EXPECT_EQ(ReadBytes(folder_ / "CONFIG.INI"), before);
}

TEST_F(EditorDesktopTest, DraggingTheBandMovesTheWindowEvenBeyondItsEdge) {
    ASSERT_FALSE(StartEditor().empty());
    auto start = Geometry();
    const int left = std::stoi(start["X"]), top = std::stoi(start["Y"]);
    MoveTo(60, 40);
    Xdotool({"mousedown", "1"});
    // One long jump: the pointer is far outside the window before the window follows it.
    Xdotool({"mousemove", std::to_string(left + 60 - 150), std::to_string(top + 40 + 100)});
    std::this_thread::sleep_for(std::chrono::milliseconds(300));
    Xdotool({"mouseup", "1"});
    std::this_thread::sleep_for(std::chrono::milliseconds(300));
    auto moved = Geometry();
    EXPECT_EQ(std::stoi(moved["X"]), left - 150);
    EXPECT_EQ(std::stoi(moved["Y"]), top + 100);

    MoveTo(200, 300);  // a press on the page moves nothing
    Xdotool({"mousedown", "1"});
    Xdotool({"mousemove_relative", "40", "40"});
    std::this_thread::sleep_for(std::chrono::milliseconds(200));
    Xdotool({"mouseup", "1"});
    std::this_thread::sleep_for(std::chrono::milliseconds(200));
    auto after = Geometry();
    EXPECT_EQ(after["X"], moved["X"]);
    EXPECT_EQ(after["Y"], moved["Y"]);
}

TEST_F(EditorDesktopTest, TheMinimiseButtonIconifiesAndRestoringShowsItUnchanged) {
    ASSERT_FALSE(StartEditor().empty());
    auto before = Geometry();
    ClickAt(403, 20);
    std::this_thread::sleep_for(std::chrono::milliseconds(500));
    EXPECT_NE(Xprop({"-id", window_, "WM_STATE"}).find("Iconic"), std::string::npos);
    Xdotool({"windowactivate", "--sync", window_});
    std::this_thread::sleep_for(std::chrono::milliseconds(500));
    EXPECT_NE(Xprop({"-id", window_, "WM_STATE"}).find("Normal"), std::string::npos);
    auto after = Geometry();
    EXPECT_EQ(after["X"], before["X"]);
    EXPECT_EQ(after["Y"], before["Y"]);
    EXPECT_EQ(after["WIDTH"], "456");
}

TEST_F(EditorDesktopTest, TheWindowCarriesItsIconInThreeSizes) {
    ASSERT_FALSE(StartEditor().empty());
    auto sizes = XProbe::IconSizes(xvfb_.Display(), std::stoul(window_));
    std::sort(sizes.begin(), sizes.end());
    EXPECT_EQ(sizes, (std::vector<std::pair<long, long>>{{16, 16}, {32, 32}, {48, 48}}));
}

TEST_F(EditorDesktopTest, HoveringACommandButtonShowsItsHoverImage) {
    ASSERT_FALSE(StartEditor().empty());
    auto g = Geometry();
    const int x = std::stoi(g["X"]) + 277 + 5,
              y = std::stoi(g["Y"]) + 610 + 5;  // inside OK, off its caption
    const long before = XProbe::ScreenPixel(xvfb_.Display(), x, y);
    MoveTo(277 + 40, 610 + 20);
    // The hover image follows once the pointer has rested on the button: wait for it.
    long now = before;
    for (int wait = 0; wait < 60 && now == before; ++wait) {
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
        now = XProbe::ScreenPixel(xvfb_.Display(), x, y);
    }
    EXPECT_NE(now, before);
}

TEST_F(EditorDesktopTest, OnA192DpiScreenEverythingIsTwiceAsLargeAndStillWorks) {
    WriteBytes(folder_ / "dpi.txt", "Xft.dpi: 192\n");
    keldra::testing::RunProgram("/usr/bin/xrdb", {"-merge", (folder_ / "dpi.txt").string()});
    WriteBytes(folder_ / "CONFIG.INI", "[VIDEO]\r\nSIZE_X=800\r\n");
    ASSERT_FALSE(StartEditor().empty());
    auto g = Geometry();
    EXPECT_EQ(g["WIDTH"], "912");
    EXPECT_EQ(g["HEIGHT"], "1306");
    EXPECT_EQ(XProbe::ShapeArea(xvfb_.Display(), std::stoul(window_)), 4 * 293266);
    ClickAt(2 * 317, 2 * 625);  // OK, at twice its place
    EXPECT_EQ(WaitForExit(), 0) << EditorErrors();
    const std::string saved = ReadBytes(folder_ / "CONFIG.INI");
    EXPECT_NE(saved.find("SIZE_X=1024\r\n"), std::string::npos) << "OK saved the pages: " << saved;
}

TEST(DisplayScaleRule, WholeMultiplesFrom144DotsPerInch) {
    using keldra::platform::host::DisplayScale;
    EXPECT_EQ(DisplayScale::ForDpi(std::nullopt), 1);
    EXPECT_EQ(DisplayScale::ForDpi(96), 1);
    EXPECT_EQ(DisplayScale::ForDpi(143.9), 1);
    EXPECT_EQ(DisplayScale::ForDpi(144), 1);
    EXPECT_EQ(DisplayScale::ForDpi(191), 1);
    EXPECT_EQ(DisplayScale::ForDpi(192), 2);
    EXPECT_EQ(DisplayScale::ForDpi(288), 3);
    EXPECT_EQ(DisplayScale::XftDpiIn("Xft.antialias:\t1\nXft.dpi:\t192\n"), 192.0);
    EXPECT_EQ(DisplayScale::XftDpiIn("Xft.dpi:\tlarge\n"), std::nullopt);
    EXPECT_EQ(DisplayScale::XftDpiIn(nullptr), std::nullopt);
}

TEST(EditorWithoutDesktop, SaysSoInOneLineAndFails) {
    TempFolder folder;
    ChildProgram editor(KELDRA_CONFIG_PATH, {}, folder.Path(), {"DISPLAY", "WAYLAND_DISPLAY"},
                        folder / "err.txt");
    const auto status = editor.WaitForExit(std::chrono::seconds(10));
    ASSERT_TRUE(status.has_value());
    EXPECT_NE(*status, 0);
    const std::string err = ReadBytes(folder / "err.txt");
    EXPECT_EQ(std::count(err.begin(), err.end(), '\n'), 1) << err;
    EXPECT_EQ(err.rfind("keldra-config: ", 0), 0u) << err;
}

}  // namespace
