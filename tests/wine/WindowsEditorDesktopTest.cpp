// keldra-config.exe under Wine on a desktop with a window manager, driven as a player drives
// it: what the window looks like to the X server, and what lands in CONFIG.INI.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include "support/ProgramRun.h"
#include "support/ShellValues.h"
#include "support/TempFolder.h"
#include "support/XProbe.h"
#include "wine/DesktopEditor.h"
#include "wine/EditorSpots.h"
#include "wine/InWineSession.h"

namespace keldra::testing {
namespace {

using namespace spots;

class WindowsEditorDesktopTest : public InWineSession<::testing::Test> {
  protected:
    void SetUp() override {
        InWineSession::SetUp();
        std::filesystem::create_directory(game_);
    }

    DesktopEditor& Start() {
        editor_ = std::make_unique<DesktopEditor>(EditorBuild::Windows, game_);
        EXPECT_TRUE(editor_->HasWindow()) << "no window: " << editor_->Errors();
        return *editor_;
    }

    std::string File() const { return ReadBytes(game_ / "CONFIG.INI"); }
    std::string Xprop(const std::vector<std::string>& args) const { return XTool("xprop", args); }
    std::string WindowUnderPointer() const {
        return ShellValues(XTool("xdotool", {"getmouselocation", "--shell"}))["WINDOW"];
    }
    std::vector<std::string> WindowsOfTheEditor() const {
        std::vector<std::string> windows;
        std::istringstream lines(
            XTool("xdotool", {"search", "--onlyvisible", "--pid", std::to_string(editor_->Pid())}));
        for (std::string line; std::getline(lines, line);) windows.push_back(line);
        return windows;
    }

    TempFolder folder_;
    std::filesystem::path game_ = folder_ / "game";
    std::unique_ptr<DesktopEditor> editor_;
};

TEST_F(WindowsEditorDesktopTest, TheWindowHasItsTitleSizeAndShape) {
    DesktopEditor& editor = Start();
    ASSERT_TRUE(editor.HasWindow());
    EXPECT_EQ(XTool("xdotool", {"getwindowname", editor.Window()}), "Keldra\n");
    auto g = editor.Geometry();
    EXPECT_EQ(g["WIDTH"], "456");
    EXPECT_EQ(g["HEIGHT"], "653");
    EXPECT_EQ(XProbe::ShapeArea(WineSession::Display(), std::stoul(editor.Window())), 293266);
    const std::string frame =
        std::to_string(XProbe::TopLevelOf(WineSession::Display(), std::stoul(editor.Window())));
    editor.MoveTo({1, 1});  // cut away from the top-left corner
    EXPECT_NE(WindowUnderPointer(), frame);
    editor.MoveTo({228, 300});
    EXPECT_EQ(WindowUnderPointer(), frame);
}

struct TabCheckBox {
    const char* page;
    Spot tab;
    Spot checkBox;
    const char* saved;  // the line OK writes once the box has been clicked
};

TEST_F(WindowsEditorDesktopTest, EachTabShowsItsPageAndAClickedCheckBoxReachesTheFileOnOk) {
    const TabCheckBox cases[] = {
        {"Graphic", kGraphicTab, {262, 168}, "FULLSCREEN=FALSE\r\n"},
        {"Sound", kSoundTab, {81, 474}, "VOICE_CHAR=FALSE\r\n"},
        {"Interface", kInterfaceTab, {81, 200}, "INV_MOUSE=TRUE\r\n"},
    };
    for (const TabCheckBox& c : cases) {
        SCOPED_TRACE(c.page);
        std::filesystem::remove(game_ / "CONFIG.INI");
        DesktopEditor& editor = Start();
        ASSERT_TRUE(editor.HasWindow());
        // Another page first, so the tab has to bring its own page forward.
        editor.ClickAt(c.tab.x == kSoundTab.x ? kInterfaceTab : kSoundTab);
        editor.ClickAt(c.tab);
        editor.ClickAt(c.checkBox);
        editor.ClickAt(kOk);
        EXPECT_EQ(editor.WaitForExit(), 0) << editor.Errors();
        EXPECT_NE(File().find(c.saved), std::string::npos) << File();
    }
}

TEST_F(WindowsEditorDesktopTest, CancelEscapeAndTheCloseButtonWriteNothing) {
    const std::string before = "[VIDEO]\r\nSIZE_X=800\r\n";
    const char* ways[] = {"Cancel", "Escape", "close button"};
    for (const std::string way : ways) {
        SCOPED_TRACE(way);
        WriteBytes(game_ / "CONFIG.INI", before);
        DesktopEditor& editor = Start();
        ASSERT_TRUE(editor.HasWindow());
        editor.ClickAt({262, 168});  // a change that leaving must not save
        if (way == "Cancel") editor.ClickAt(kCancel);
        if (way == "Escape") editor.Keys({"Escape"});
        if (way == "close button") editor.ClickAt(kClose);
        EXPECT_EQ(editor.WaitForExit(), 0) << editor.Errors();
        EXPECT_EQ(File(), before);
    }
}

TEST_F(WindowsEditorDesktopTest, DraggingTheBandMovesTheWindow) {
    DesktopEditor& editor = Start();
    ASSERT_TRUE(editor.HasWindow());
    const Spot before = editor.Place();
    editor.DragFrom(kBand, {kBand.x - 120, kBand.y + 80});
    const Spot after = editor.Place();
    EXPECT_EQ(after.x, before.x - 120);
    EXPECT_EQ(after.y, before.y + 80);

    editor.DragFrom({200, 400}, {240, 440});  // the page is no handle
    EXPECT_EQ(editor.Place().x, after.x);
    EXPECT_EQ(editor.Place().y, after.y);
}

TEST_F(WindowsEditorDesktopTest, TheMinimiseButtonIconifiesAndActivatingRestores) {
    DesktopEditor& editor = Start();
    ASSERT_TRUE(editor.HasWindow());
    const Spot before = editor.Place();
    editor.ClickAt(kMinimise);
    editor.Settle();
    EXPECT_NE(Xprop({"-id", editor.Window(), "WM_STATE"}).find("Iconic"), std::string::npos);
    XTool("xdotool", {"windowactivate", "--sync", editor.Window()});
    editor.Settle();
    EXPECT_NE(Xprop({"-id", editor.Window(), "WM_STATE"}).find("Normal"), std::string::npos);
    EXPECT_EQ(editor.Place().x, before.x);
    EXPECT_EQ(editor.Place().y, before.y);
}

TEST_F(WindowsEditorDesktopTest, HoveringACommandButtonShowsItsHoverImage) {
    DesktopEditor& editor = Start();
    ASSERT_TRUE(editor.HasWindow());
    const Spot place = editor.Place();
    const Spot probe{place.x + 277 + 5, place.y + 610 + 5};  // inside OK, off its caption
    const long before = XProbe::ScreenPixel(WineSession::Display(), probe.x, probe.y);
    editor.MoveTo({277 + 40, 610 + 20});
    long now = before;
    for (int wait = 0; wait < 40 && now == before; ++wait) {
        editor.Settle();
        now = XProbe::ScreenPixel(WineSession::Display(), probe.x, probe.y);
    }
    EXPECT_NE(now, before);
    editor.MoveTo({200, 400});  // away again: the plain image comes back
    for (int wait = 0; wait < 40 && now != before; ++wait) {
        editor.Settle();
        now = XProbe::ScreenPixel(WineSession::Display(), probe.x, probe.y);
    }
    EXPECT_EQ(now, before);
}

TEST_F(WindowsEditorDesktopTest, AReadOnlyFileIsNotSavedTheMessageSaysSoAndTheWindowStays) {
    const std::string before = "[VIDEO]\r\nSIZE_X=800\r\n";
    WriteBytes(game_ / "CONFIG.INI", before);
    // Wine keeps the read-only attribute as the file's missing write permission; Windows
    // refuses to write such a file whoever asks, root included.
    std::filesystem::permissions(game_ / "CONFIG.INI",
                                 std::filesystem::perms::owner_write |
                                     std::filesystem::perms::group_write |
                                     std::filesystem::perms::others_write,
                                 std::filesystem::perm_options::remove);
    DesktopEditor& editor = Start();
    ASSERT_TRUE(editor.HasWindow());
    editor.ClickAt({262, 168});
    editor.ClickAt(kOk);
    std::vector<std::string> windows;
    for (int wait = 0; wait < 40 && windows.size() < 2; ++wait) {
        editor.Settle();
        windows = WindowsOfTheEditor();
    }
    ASSERT_EQ(windows.size(), 2u) << "no message next to the window";
    const std::string message = windows[0] == editor.Window() ? windows[1] : windows[0];
    EXPECT_EQ(XTool("xdotool", {"getwindowname", message}), "Keldra\n");
    XTool("xdotool", {"windowactivate", "--sync", message});
    XTool("xdotool", {"key", "Return"});
    editor.Settle();
    EXPECT_FALSE(editor.WaitForExit(std::chrono::seconds(1)).has_value())
        << "the editor ended after a failed save";
    EXPECT_EQ(WindowsOfTheEditor(), std::vector<std::string>{editor.Window()});
    EXPECT_EQ(File(), before);
    editor.ClickAt(kCancel);
    EXPECT_EQ(editor.WaitForExit(), 0);
}

}  // namespace
}  // namespace keldra::testing
