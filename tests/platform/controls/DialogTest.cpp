// The controls inside a real dialog made from a layout in dialog units, driven through the
// modal run and the dialog manager: sizes from the layout, Space and Enter on buttons, and
// a combo box list that keeps Enter and Escape from the dialog while it is open.
#include <functional>
#include <utility>

#include "controls/ControlTestSupport.h"
#include "support/DialogTemplateBytes.h"

namespace keldra::platform::user::controls::testing {
namespace {

using Bytes = keldra::testing::DialogTemplateBytes;

constexpr int kLabel = 1006;
constexpr int kWindowMode = 1002;
constexpr int kFullScreen = 1003;
constexpr int kCombo = 1005;
constexpr int kSlider = 1045;
constexpr int kOwnerDrawn = 1000;

DialogItemTemplate Item(int id, LPCWSTR className, LPCWSTR text, DWORD style, short x, short y,
                        short cx, short cy) {
    return {static_cast<WORD>(id), className, text, WS_CHILD | WS_VISIBLE | style, 0, x, y, cx, cy};
}

// The controls of a settings page, in its tab order.
DialogTemplate PageLayout() {
    DialogTemplate layout;
    layout.style = WS_POPUP | WS_VISIBLE;
    layout.cx = 280;
    layout.cy = 200;
    layout.items = {
        Item(kLabel, L"Static", L"Resolution", SS_LEFT, 20, 18, 137, 8),
        Item(kWindowMode, L"Button", L"Window mode", BS_AUTOCHECKBOX | WS_TABSTOP, 160, 42, 57, 18),
        Item(kFullScreen, L"Button", L"Full screen", BS_AUTOCHECKBOX | WS_TABSTOP, 160, 65, 52, 18),
        Item(kCombo, L"ComboBox", L"", CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP, 40, 61, 74, 76),
        Item(kSlider, TRACKBAR_CLASSW, L"", TBS_BOTH | TBS_NOTICKS | WS_TABSTOP, 27, 146, 108, 15),
        Item(kOwnerDrawn, L"Button", L"Back", BS_OWNERDRAW | WS_TABSTOP, 200, 170, 54, 19),
    };
    return layout;
}

class ControlsInADialogTest : public ControlTest {
  protected:
    ControlsInADialogTest() { current_ = this; }
    ~ControlsInADialogTest() override { current_ = nullptr; }

    static INT_PTR CALLBACK Procedure(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
        if (current_ == nullptr) return FALSE;
        if (message == WM_INITDIALOG) {
            current_->dialog_ = dialog;
            HWND combo = GetDlgItem(dialog, kCombo);
            for (const wchar_t* mode : {L"800x600(4:3)", L"1024x768(4:3)", L"1280x720(16:9)"})
                SendMessageW(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(mode));
            SendMessageW(combo, CB_SETCURSEL, 0, 0);
            return TRUE;
        }
        if (message == WM_COMMAND) {
            current_->commands_.emplace_back(LOWORD(wParam), HIWORD(wParam));
            if (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL)
                EndDialog(dialog, LOWORD(wParam));
        }
        return FALSE;
    }

    INT_PTR Run() {
        const DialogTemplate layout = PageLayout();
        return DialogBoxIndirectParamW(nullptr, Bytes(layout), nullptr, &Procedure, 0);
    }
    void Step(std::function<void()> step) { host_.Then(std::move(step)); }
    void Key(UINT vk) {
        Step([this, vk] { host_.TypeKey(vk); });
    }
    void FocusOn(int id) {
        Step([this, id] { SetFocus(GetDlgItem(dialog_, id)); });
    }
    HWND Item(int id) const { return GetDlgItem(dialog_, id); }
    std::vector<int> CommandsFrom(int id) const {
        std::vector<int> codes;
        for (const auto& [from, code] : commands_)
            if (from == id) codes.push_back(code);
        return codes;
    }

    HWND dialog_ = nullptr;
    std::vector<std::pair<int, int>> commands_;

  private:
    static ControlsInADialogTest* current_;
};

ControlsInADialogTest* ControlsInADialogTest::current_ = nullptr;

TEST_F(ControlsInADialogTest, LayoutSizesBecomeTheControlsSizes) {
    std::vector<std::pair<int, RECT>> sizes;
    Step([&] {
        for (const int id : {kWindowMode, kCombo, kSlider}) {
            RECT rect;
            GetWindowRect(Item(id), &rect);
            sizes.emplace_back(id, rect);
        }
    });
    EXPECT_EQ(Run(), -1);
    ASSERT_EQ(sizes.size(), 3u);
    auto width = [](const RECT& r) { return r.right - r.left; };
    auto height = [](const RECT& r) { return r.bottom - r.top; };
    EXPECT_EQ(height(sizes[1].second), 21) << "the closed combo box";
    EXPECT_EQ(width(sizes[1].second), 111);
    EXPECT_EQ(width(sizes[2].second), 162) << "the slider";
    EXPECT_EQ(height(sizes[2].second), 24);
}

TEST_F(ControlsInADialogTest, TheOpenListKeepsEnterAndEscapeFromTheDialog) {
    bool openAfterF4 = false;
    int selectionAfterEnter = -1;
    FocusOn(kCombo);
    Key(VK_F4);
    Step([&] { openAfterF4 = SendMessageW(Item(kCombo), CB_GETDROPPEDSTATE, 0, 0) != FALSE; });
    Key(VK_DOWN);
    Key(VK_RETURN);  // accepts the list's item, no IDOK
    Step([&] {
        selectionAfterEnter = static_cast<int>(SendMessageW(Item(kCombo), CB_GETCURSEL, 0, 0));
    });
    Key(VK_F4);
    Key(VK_ESCAPE);  // closes the list, no IDCANCEL
    Key(VK_RETURN);  // the list is closed: now the dialog's OK
    EXPECT_EQ(Run(), IDOK);
    EXPECT_TRUE(openAfterF4);
    EXPECT_EQ(selectionAfterEnter, 1);
    EXPECT_EQ(
        CommandsFrom(kCombo),
        (std::vector<int>{CBN_SETFOCUS, CBN_DROPDOWN, CBN_SELENDOK, CBN_CLOSEUP, CBN_SELCHANGE,
                          CBN_DROPDOWN, CBN_SELENDCANCEL, CBN_CLOSEUP, CBN_KILLFOCUS}));
    EXPECT_TRUE(CommandsFrom(IDCANCEL).empty());
    EXPECT_EQ(CommandsFrom(IDOK).size(), 1u);
}

TEST_F(ControlsInADialogTest, EscapeWithTheListClosedCancelsTheDialog) {
    FocusOn(kCombo);
    Key(VK_ESCAPE);
    EXPECT_EQ(Run(), IDCANCEL);
}

TEST_F(ControlsInADialogTest, SpaceAndClicksToggleCheckBoxesArrowsMoveTheSlider) {
    LRESULT windowMode = -1;
    LRESULT fullScreen = -1;
    LRESULT slider = -1;
    FocusOn(kWindowMode);
    Key(VK_SPACE);
    Key(VK_TAB);  // to the full-screen box
    Key(VK_SPACE);
    Key(VK_SPACE);
    Step([&] {
        SendMessageW(Item(kSlider), TBM_SETRANGEMAX, FALSE, 4100);
        SetFocus(Item(kSlider));
    });
    Key(VK_RIGHT);
    Key(VK_NEXT);
    Step([&] {
        windowMode = SendMessageW(Item(kWindowMode), BM_GETCHECK, 0, 0);
        fullScreen = SendMessageW(Item(kFullScreen), BM_GETCHECK, 0, 0);
        slider = SendMessageW(Item(kSlider), TBM_GETPOS, 0, 0);
    });
    Key(VK_ESCAPE);
    EXPECT_EQ(Run(), IDCANCEL);
    EXPECT_EQ(windowMode, BST_CHECKED);
    EXPECT_EQ(fullScreen, BST_UNCHECKED);
    EXPECT_EQ(slider, 821);
    EXPECT_EQ(CommandsFrom(kWindowMode), std::vector<int>{BN_CLICKED});
    EXPECT_EQ(CommandsFrom(kFullScreen), (std::vector<int>{BN_CLICKED, BN_CLICKED}));
}

TEST_F(ControlsInADialogTest, EnterOnTheOwnerDrawnButtonSendsItsId) {
    FocusOn(kOwnerDrawn);
    Key(VK_RETURN);
    Key(VK_ESCAPE);
    EXPECT_EQ(Run(), IDCANCEL);
    EXPECT_EQ(CommandsFrom(kOwnerDrawn), std::vector<int>{BN_CLICKED});
    EXPECT_TRUE(CommandsFrom(IDOK).empty());
}

}  // namespace
}  // namespace keldra::platform::user::controls::testing
