// The drop-down list combo box: its item messages, the list opened and closed by mouse and
// keys with the notifications each path sends, and where the list appears.
#include <string>

#include "controls/ControlTestSupport.h"

namespace keldra::platform::user::controls::testing {
namespace {

constexpr int kWidth = 111;
constexpr const wchar_t* kModes[] = {L"800x600(4:3)",   L"1024x768(4:3)",   L"1152x864(4:3)",
                                     L"1280x720(16:9)", L"1280x800(16:10)", L"1280x1024(5:4)",
                                     L"1366x768(16:9)", L"1600x900(16:9)"};

class ComboBoxTest : public ControlTest {
  protected:
    ComboBoxTest() {
        for (const wchar_t* mode : kModes)
            SendMessageW(combo_, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(mode));
        SendMessageW(combo_, CB_SETCURSEL, 1, 0);
        Settle();
    }

    int Selection() const { return static_cast<int>(SendMessageW(combo_, CB_GETCURSEL, 0, 0)); }
    bool Dropped() const { return SendMessageW(combo_, CB_GETDROPPEDSTATE, 0, 0) != FALSE; }
    // The dropped list: a pop-up owned by the test window, the shown one if there is one.
    HWND List() const {
        HWND found = nullptr;
        for (HWND top = GetWindow(parent_, GW_HWNDPREV); top != nullptr;
             top = GetWindow(top, GW_HWNDPREV)) {
            if (GetWindow(top, GW_OWNER) != parent_) continue;
            if (IsWindowVisible(top)) return top;
            found = top;
        }
        return found;
    }
    RECT ListRect() const {
        RECT rect{};
        GetWindowRect(List(), &rect);
        return rect;
    }
    // A point in the list's client area on the given line.
    POINT OnLine(int line) const { return {20, 1 + line * 13 + 6}; }
    void ClickLine(int line) {
        const POINT p = OnLine(line);
        Click(List(), p.x, p.y);
    }

    // 76 dialog units of template height at 13/8 pixels per unit.
    HWND combo_ = Make(L"ComboBox", L"", CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP,
                       At(60, 40, kWidth, 124), 1005);
};

TEST_F(ComboBoxTest, ItemMessages) {
    EXPECT_EQ(SendMessageW(combo_, CB_GETCOUNT, 0, 0), 8);
    EXPECT_EQ(Selection(), 1);
    wchar_t text[64] = L"untouched";
    EXPECT_EQ(SendMessageW(combo_, CB_GETLBTEXT, 3, reinterpret_cast<LPARAM>(text)), 14);
    EXPECT_EQ(std::wstring(text), L"1280x720(16:9)");
    EXPECT_EQ(SendMessageW(combo_, CB_GETLBTEXTLEN, 0, 0), 12);

    struct BadCall {
        UINT message;
        WPARAM index;
        bool buffer;
    };
    const BadCall bad[] = {{CB_GETLBTEXT, 8, true},
                           {CB_GETLBTEXT, static_cast<WPARAM>(-1), true},
                           {CB_GETLBTEXT, 0, false},
                           {CB_GETLBTEXTLEN, 99, false}};
    for (const BadCall& call : bad) {
        const LPARAM out = call.buffer ? reinterpret_cast<LPARAM>(text) : 0;
        EXPECT_EQ(SendMessageW(combo_, call.message, call.index, out), CB_ERR) << call.index;
    }
    EXPECT_EQ(std::wstring(text), L"1280x720(16:9)") << "a failed call wrote the buffer";
    EXPECT_EQ(SendMessageW(combo_, CB_ADDSTRING, 0, 0), CB_ERR);

    EXPECT_EQ(SendMessageW(combo_, CB_SETCURSEL, 7, 0), 7);
    EXPECT_EQ(Selection(), 7);
    EXPECT_EQ(SendMessageW(combo_, CB_SETCURSEL, 8, 0), CB_ERR);
    EXPECT_EQ(Selection(), CB_ERR) << "an index past the end clears the selection";
    EXPECT_EQ(SendMessageW(combo_, CB_SETCURSEL, static_cast<WPARAM>(-1), 0), CB_ERR);
    EXPECT_TRUE(Notices(WM_COMMAND).empty()) << "item messages do not notify";
}

TEST_F(ComboBoxTest, InsertingAndDeletingKeepTheSelectionOnItsItem) {
    EXPECT_EQ(SendMessageW(combo_, CB_INSERTSTRING, 0, reinterpret_cast<LPARAM>(L"640x480")), 0);
    EXPECT_EQ(Selection(), 2);
    EXPECT_EQ(SendMessageW(combo_, CB_INSERTSTRING, 99, reinterpret_cast<LPARAM>(L"x")), CB_ERR);
    EXPECT_EQ(SendMessageW(combo_, CB_DELETESTRING, 0, 0), 8);
    EXPECT_EQ(Selection(), 1);
    EXPECT_EQ(SendMessageW(combo_, CB_DELETESTRING, 1, 0), 7);
    EXPECT_EQ(Selection(), CB_ERR) << "the selected item is gone";
    EXPECT_EQ(SendMessageW(combo_, CB_DELETESTRING, 7, 0), CB_ERR);
    wchar_t text[32] = L"";
    EXPECT_EQ(GetWindowTextW(combo_, text, 32), 0);
    SendMessageW(combo_, CB_SETCURSEL, 0, 0);
    EXPECT_EQ(GetWindowTextW(combo_, text, 32), 12);
    EXPECT_EQ(std::wstring(text), L"800x600(4:3)");
}

TEST_F(ComboBoxTest, TheOpenListIsAPopupOfTheDialogForTheDesktop) {
    Click(combo_, 50, 10);
    ASSERT_TRUE(Dropped());
    const auto* native = host_.Find(List());
    ASSERT_NE(native, nullptr);
    EXPECT_EQ(native->state.role, host::NativeWindowRole::Popup);
    EXPECT_EQ(native->state.owner, parent_);
}

TEST_F(ComboBoxTest, EmptyingTheOpenListClosesIt) {
    Click(combo_, 50, 10);
    ASSERT_TRUE(Dropped());
    SendMessageW(combo_, CB_RESETCONTENT, 0, 0);
    EXPECT_FALSE(Dropped());
    EXPECT_EQ(SendMessageW(combo_, CB_GETCOUNT, 0, 0), 0);
    EXPECT_EQ(Selection(), CB_ERR);
    Type(VK_DOWN);
    Click(combo_, 50, 10);  // an empty list opens and closes without harm
    Type(VK_RETURN);
    EXPECT_FALSE(Dropped());
    EXPECT_EQ(Selection(), CB_ERR);
}

TEST_F(ComboBoxTest, IsTwentyOnePixelsHighWhenClosed) {
    RECT rect;
    GetWindowRect(combo_, &rect);
    EXPECT_EQ(rect.bottom - rect.top, 21);
    EXPECT_EQ(rect.right - rect.left, kWidth);
    EXPECT_FALSE(Dropped());
}

TEST_F(ComboBoxTest, AClickOpensTheListBelowAndAClickOnAnItemPicksIt) {
    Click(combo_, 50, 10);
    ASSERT_TRUE(Dropped());
    EXPECT_EQ(GetFocus(), combo_);
    EXPECT_EQ(Codes(WM_COMMAND), (std::vector<int>{CBN_SETFOCUS, CBN_DROPDOWN}));
    RECT combo;
    GetWindowRect(combo_, &combo);
    const RECT list = ListRect();
    EXPECT_TRUE(IsWindowVisible(List()));
    EXPECT_EQ(list.top, combo.bottom);
    EXPECT_EQ(list.left, combo.left);
    EXPECT_EQ(list.right - list.left, kWidth);
    // 124 - 21 leaves room for seven 13-pixel lines inside the frame.
    EXPECT_EQ(list.bottom - list.top, 7 * 13 + 2);
    ClearNotices();

    ClickLine(4);
    EXPECT_FALSE(Dropped());
    EXPECT_FALSE(IsWindowVisible(List()));
    EXPECT_EQ(Selection(), 4);
    EXPECT_EQ(Codes(WM_COMMAND), (std::vector<int>{CBN_SELENDOK, CBN_CLOSEUP, CBN_SELCHANGE}));
    EXPECT_EQ(GetCapture(), nullptr);
}

TEST_F(ComboBoxTest, PickingTheSelectedItemAgainChangesNothing) {
    Click(combo_, 50, 10);
    ClearNotices();
    ClickLine(1);
    EXPECT_EQ(Selection(), 1);
    EXPECT_EQ(Codes(WM_COMMAND), (std::vector<int>{CBN_SELENDOK, CBN_CLOSEUP}));
}

TEST_F(ComboBoxTest, AClickElsewhereOrEscapeClosesItUnchanged) {
    for (int round = 0; round < 2; ++round) {
        Click(combo_, 50, 10);
        ASSERT_TRUE(Dropped());
        MoveTo(List(), OnLine(5).x, OnLine(5).y);  // highlight another item first
        ClearNotices();
        if (round == 0) {
            Click(parent_, 300, 280);
        } else {
            Type(VK_ESCAPE);
        }
        EXPECT_FALSE(Dropped()) << round;
        EXPECT_EQ(Selection(), 1) << round;
        EXPECT_EQ(Codes(WM_COMMAND), (std::vector<int>{CBN_SELENDCANCEL, CBN_CLOSEUP}));
        EXPECT_EQ(GetCapture(), nullptr);
    }
    EXPECT_TRUE(Notices(WM_LBUTTONDOWN).empty()) << "the closing click went on to the parent";
}

TEST_F(ComboBoxTest, PressDragReleaseOntoAnItemPicksIt) {
    Press(combo_, 50, 10);
    ASSERT_TRUE(Dropped());
    const POINT target = OnLine(6);
    MoveTo(List(), target.x, target.y);
    Release(List(), target.x, target.y);
    EXPECT_FALSE(Dropped());
    EXPECT_EQ(Selection(), 6);
}

TEST_F(ComboBoxTest, APressDraggedBelowTheListScrollsItemsIntoView) {
    Press(combo_, 50, 10);
    const int below = ListRect().bottom - ListRect().top + 10;
    for (int move = 0; move < 8; ++move) MoveTo(List(), 20, below + move);
    const POINT last = OnLine(6);
    MoveTo(List(), last.x, last.y);
    Release(List(), last.x, last.y);
    EXPECT_FALSE(Dropped());
    EXPECT_EQ(Selection(), 7) << "the bottom line shows the last item after the scroll";
}

TEST_F(ComboBoxTest, AReleaseBackOnTheComboKeepsTheListOpen) {
    Press(combo_, 50, 10);
    Release(combo_, 50, 10);
    EXPECT_TRUE(Dropped());
    EXPECT_EQ(Selection(), 1);
}

TEST_F(ComboBoxTest, NavigationKeysChangeTheSelectionWhileClosed) {
    struct Step {
        UINT key;
        int selection;
    };
    // Page keys move by one line less than the open list shows.
    const Step steps[] = {{VK_DOWN, 2}, {VK_UP, 1},   {VK_END, 7}, {VK_PRIOR, 1},
                          {VK_NEXT, 7}, {VK_HOME, 0}, {VK_UP, 0},  {VK_RIGHT, 1}};
    SetFocus(combo_);
    Settle();
    for (const Step& step : steps) {
        ClearNotices();
        const int before = Selection();
        Type(step.key);
        EXPECT_EQ(Selection(), step.selection) << step.key;
        EXPECT_FALSE(Dropped());
        const std::vector<int> expected =
            before != step.selection ? std::vector<int>{CBN_SELCHANGE} : std::vector<int>{};
        EXPECT_EQ(Codes(WM_COMMAND), expected) << step.key;
    }
}

TEST_F(ComboBoxTest, ATypedLetterSelectsTheNextItemStartingWithIt) {
    SetFocus(combo_);
    const int expected[] = {2, 3, 4, 5, 6, 7, 1};  // the "1..." items in turn, wrapping round
    for (const int index : expected) {
        PostMessageW(combo_, WM_CHAR, L'1', 0);
        Settle();
        EXPECT_EQ(Selection(), index);
    }
    PostMessageW(combo_, WM_CHAR, L'8', 0);
    Settle();
    EXPECT_EQ(Selection(), 0);
    PostMessageW(combo_, WM_CHAR, L'z', 0);
    Settle();
    EXPECT_EQ(Selection(), 0);
}

TEST_F(ComboBoxTest, F4AndAltArrowsOpenAndCloseTheList) {
    SetFocus(combo_);
    Type(VK_F4);
    EXPECT_TRUE(Dropped());
    Type(VK_F4);
    EXPECT_FALSE(Dropped());
    host_.KeyDown(VK_MENU);
    Type(VK_DOWN);
    EXPECT_TRUE(Dropped());
    Type(VK_UP);
    EXPECT_FALSE(Dropped());
    host_.KeyUp(VK_MENU);
    Settle();
    EXPECT_EQ(Selection(), 1) << "opening and closing moved the selection";
}

TEST_F(ComboBoxTest, KeysInTheOpenListMoveTheHighlightAndEnterAcceptsIt) {
    SetFocus(combo_);
    Type(VK_F4);
    ClearNotices();
    Type(VK_DOWN);
    Type(VK_DOWN);
    EXPECT_EQ(Selection(), 1) << "the selection moves only when the list is accepted";
    EXPECT_TRUE(Notices(WM_COMMAND).empty());
    Type(VK_RETURN);
    EXPECT_FALSE(Dropped());
    EXPECT_EQ(Selection(), 3);
    EXPECT_EQ(Codes(WM_COMMAND), (std::vector<int>{CBN_SELENDOK, CBN_CLOSEUP, CBN_SELCHANGE}));
}

TEST_F(ComboBoxTest, ClaimsEnterAndEscapeOnlyWhileOpen) {
    auto code = [&](UINT key) {
        MSG message{combo_, WM_KEYDOWN, key, 0, 0, {0, 0}};
        return SendMessageW(combo_, WM_GETDLGCODE, key, reinterpret_cast<LPARAM>(&message));
    };
    const auto wantsAll = static_cast<LRESULT>(DLGC_WANTMESSAGE);
    EXPECT_EQ(code(VK_RETURN) & wantsAll, 0);
    EXPECT_EQ(code(VK_ESCAPE) & wantsAll, 0);
    EXPECT_NE(code(VK_DOWN) & static_cast<LRESULT>(DLGC_WANTARROWS), 0);
    SetFocus(combo_);
    Type(VK_F4);
    EXPECT_NE(code(VK_RETURN) & wantsAll, 0);
    EXPECT_NE(code(VK_ESCAPE) & wantsAll, 0);
    EXPECT_EQ(code(VK_TAB) & wantsAll, 0);
}

TEST_F(ComboBoxTest, LosingTheFocusClosesTheListUnchanged) {
    HWND other = Make(L"Button", L"Full screen", BS_AUTOCHECKBOX, At(10, 200, 100, 16), 1003);
    Click(combo_, 50, 10);
    ClearNotices();
    SetFocus(other);
    Settle();
    EXPECT_FALSE(Dropped());
    EXPECT_EQ(Codes(WM_COMMAND), (std::vector<int>{CBN_SELENDCANCEL, CBN_CLOSEUP, CBN_KILLFOCUS}));
}

TEST_F(ComboBoxTest, AListWithFewItemsIsShorter) {
    HWND small = Make(L"ComboBox", L"", CBS_DROPDOWNLIST, At(200, 40, 80, 124), 1006);
    SendMessageW(small, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(L"LOW"));
    SendMessageW(small, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(L"HIGH"));
    SendMessageW(small, CB_SHOWDROPDOWN, TRUE, 0);
    Settle();
    EXPECT_NE(SendMessageW(small, CB_GETDROPPEDSTATE, 0, 0), FALSE);
    EXPECT_EQ(ListRect().bottom - ListRect().top, 2 * 13 + 2);
    SendMessageW(small, CB_SHOWDROPDOWN, FALSE, 0);
    EXPECT_EQ(SendMessageW(small, CB_GETDROPPEDSTATE, 0, 0), FALSE);
}

TEST_F(ComboBoxTest, OpensUpwardWithoutRoomBelow) {
    const RECT screen = {0, 0, 1920, 1080};
    MoveWindow(parent_, 100, screen.bottom - 100, 420, 320, TRUE);
    Settle();
    Click(combo_, 50, 10);
    ASSERT_TRUE(Dropped());
    RECT combo;
    GetWindowRect(combo_, &combo);
    EXPECT_EQ(ListRect().bottom, combo.top);
}

TEST_F(ComboBoxTest, TheScrollBarArrowsScrollTheLongList) {
    Click(combo_, 50, 10);
    const RECT list = ListRect();
    const int width = list.right - list.left;
    const int height = list.bottom - list.top;
    Click(List(), width - 9, height - 6);  // the down arrow: item 7 comes into view
    EXPECT_TRUE(Dropped());
    ClickLine(6);
    EXPECT_EQ(Selection(), 7);
}

TEST_F(ComboBoxTest, DraggingTheScrollThumbScrollsTheList) {
    Click(combo_, 50, 10);
    const RECT list = ListRect();
    const int bar = list.right - list.left - 9;
    Press(List(), bar, 30);  // on the thumb, below the up arrow
    MoveTo(List(), bar, 80);
    Release(List(), bar, 80);
    EXPECT_TRUE(Dropped()) << "a drag on the scroll bar closed the list";
    ClickLine(0);
    EXPECT_EQ(Selection(), 1) << "the first line shows the second item after the scroll";
}

}  // namespace
}  // namespace keldra::platform::user::controls::testing
