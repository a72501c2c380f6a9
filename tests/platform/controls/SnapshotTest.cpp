// Pictures of the controls in their default look, for a person to open and judge:
// written to /tmp/keldra-controls/.
#include <filesystem>

#include "controls/ControlTestSupport.h"

namespace keldra::platform::user::controls::testing {
namespace {

const std::filesystem::path kFolder = "/tmp/keldra-controls";

class SnapshotTest : public ControlTest {
  protected:
    SnapshotTest() {
        classicLook_ = true;
        std::filesystem::create_directories(kFolder);
        InvalidateRect(parent_, nullptr, TRUE);
    }

    void Save(HWND window, const char* name) {
        const auto path = kFolder / name;
        std::filesystem::remove(path);
        ASSERT_TRUE(host_.SavePng(window, path)) << name;
        EXPECT_GT(std::filesystem::file_size(path), 200u) << name;
    }
};

TEST_F(SnapshotTest, EveryControlInItsDefaultLook) {
    Make(L"Static", L"Resolution", SS_LEFT, At(20, 14, 200, 13), 1006);
    Make(L"Static", L"Background graphic settings wrap onto a second line", SS_LEFT,
         At(240, 14, 150, 30), 1008);
    HWND windowMode =
        Make(L"Button", L"Window mode", BS_AUTOCHECKBOX | WS_TABSTOP, At(240, 60, 90, 16), 1002);
    Make(L"Button", L"Full screen", BS_AUTOCHECKBOX | WS_TABSTOP, At(240, 84, 90, 16), 1003);
    HWND filter = Make(L"Button", L"Filter for a slang word", BS_AUTOCHECKBOX | WS_TABSTOP,
                       At(240, 108, 150, 16), 1038);
    HWND combo = Make(L"ComboBox", L"", CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP,
                      At(60, 60, 111, 124), 1005);
    for (const wchar_t* mode :
         {L"800x600(4:3)", L"1024x768(4:3)", L"1152x864(4:3)", L"1280x720(16:9)",
          L"1280x800(16:10)", L"1280x1024(5:4)", L"1366x768(16:9)", L"1600x900(16:9)"}) {
        SendMessageW(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(mode));
    }
    SendMessageW(combo, CB_SETCURSEL, 1, 0);
    HWND slider =
        Make(TRACKBAR_CLASSW, L"", TBS_BOTH | TBS_NOTICKS | WS_TABSTOP, At(40, 200, 162, 24), 1045);
    SendMessageW(slider, TBM_SETRANGEMAX, FALSE, 4100);
    SendMessageW(slider, TBM_SETPOS, TRUE, 2000);
    Make(L"Static", L"Low", SS_LEFT, At(40, 228, 40, 13), 1015);
    Make(L"Static", L"High", SS_LEFT, At(150, 228, 52, 13), 1016, WS_EX_RIGHT);
    SendMessageW(windowMode, BM_SETCHECK, BST_CHECKED, 0);
    SendMessageW(filter, BM_SETCHECK, BST_CHECKED, 0);
    SetFocus(filter);
    Settle();
    Save(parent_, "closed.png");

    SetFocus(combo);
    Settle();
    Save(parent_, "combo-focused.png");

    Click(combo, 50, 10);
    MoveTo(combo, 50, 50);  // over the fourth item of the open list
    ASSERT_NE(SendMessageW(combo, CB_GETDROPPEDSTATE, 0, 0), FALSE);
    HWND list = nullptr;
    for (HWND top = GetWindow(parent_, GW_HWNDPREV); top != nullptr;
         top = GetWindow(top, GW_HWNDPREV)) {
        if (GetWindow(top, GW_OWNER) == parent_ && IsWindowVisible(top)) list = top;
    }
    ASSERT_NE(list, nullptr);
    Save(parent_, "combo-open-window.png");
    Save(list, "combo-open-list.png");
}

}  // namespace
}  // namespace keldra::platform::user::controls::testing
