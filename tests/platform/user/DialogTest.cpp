// Dialogs: layouts in dialog units, child dialogs, WM_INITDIALOG and the focus, the modal
// run and EndDialog, the dialog manager's keys, default processing, and MessageBox.
#include "platform/gdi/GdiHandles.h"
#include "platform/kernel/ScopedResource.h"
#include "support/DialogTemplateBytes.h"
#include "support/ParamName.h"
#include "user/UserTestSupport.h"

namespace keldra::platform::user::testing {
namespace {

using Bytes = keldra::testing::DialogTemplateBytes;
using keldra::platform::ScopedResource;

constexpr int kButtonA = 10;
constexpr int kButtonB = 11;
constexpr int kPageFirst = 20;
constexpr int kPageHidden = 21;
constexpr int kPageDisabled = 22;
constexpr int kPageLast = 23;

class DialogTest : public UserTest {
  protected:
    DialogTest() { current_ = this; }
    ~DialogTest() override { current_ = nullptr; }

    static DialogItemTemplate Item(int id, DWORD style, short x = 0) {
        return {static_cast<WORD>(id), kClass, L"", WS_CHILD | WS_VISIBLE | style, 0, x, 0, 20, 10};
    }
    // A main dialog of two tab stops and a label.
    static DialogTemplate MainLayout() {
        DialogTemplate layout;
        layout.style = WS_POPUP | WS_VISIBLE | DS_CENTER;
        layout.cx = 200;
        layout.cy = 100;
        layout.caption = L"main";
        layout.items = {Item(1000, 0), Item(kButtonA, WS_TABSTOP), Item(kButtonB, WS_TABSTOP, 30)};
        return layout;
    }
    // A page: a child dialog inside the main one that joins its tab ring.
    static DialogTemplate PageLayout() {
        DialogTemplate layout;
        layout.style = WS_CHILD | WS_VISIBLE | DS_CONTROL;
        layout.y = 20;
        layout.cx = 150;
        layout.cy = 60;
        layout.items = {Item(kPageFirst, WS_TABSTOP), Item(kPageHidden, WS_TABSTOP),
                        Item(kPageDisabled, WS_TABSTOP), Item(kPageLast, WS_TABSTOP)};
        layout.items[1].style &= ~static_cast<DWORD>(WS_VISIBLE);
        layout.items[2].style |= WS_DISABLED;
        return layout;
    }

    static INT_PTR CALLBACK Procedure(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
        if (current_ == nullptr) return FALSE;
        current_->dialogLog_.push_back({dialog, message, wParam, lParam});
        if (current_->answer_) return current_->answer_(dialog, message, wParam, lParam);
        return message == WM_INITDIALOG ? TRUE : FALSE;
    }
    // WM_COMMANDs that reached a dialog, as (dialog, id).
    std::vector<std::pair<HWND, int>> Commands() const {
        std::vector<std::pair<HWND, int>> commands;
        for (const Received& r : dialogLog_) {
            if (r.message == WM_COMMAND) commands.emplace_back(r.window, LOWORD(r.wParam));
        }
        return commands;
    }
    // Runs the main dialog modally with a page made in its WM_INITDIALOG; steps run inside.
    INT_PTR RunWithPage(HWND owner = nullptr) {
        const DialogTemplate main = MainLayout();
        const DialogTemplate page = PageLayout();
        answer_ = [&, page](HWND dialog, UINT message, WPARAM wParam, LPARAM) -> INT_PTR {
            if (message == WM_INITDIALOG && main_ == nullptr) {
                main_ = dialog;
                page_ = CreateDialogIndirectParamW(nullptr, Bytes(page), dialog, &Procedure, 0);
                return TRUE;
            }
            if (message == WM_COMMAND && dialog == main_ && LOWORD(wParam) == IDCANCEL) {
                EndDialog(dialog, IDCANCEL);
            }
            return FALSE;
        };
        return DialogBoxIndirectParamW(nullptr, Bytes(main), owner, &Procedure, 0);
    }
    void Type(UINT vk, unsigned modifiers = host::HeadlessHost::kNone) {
        host_.Then([this, vk, modifiers] { host_.TypeKey(vk, modifiers); });
    }
    void Check(std::function<void()> check) { host_.Then(std::move(check)); }
    void Close() { Type(VK_ESCAPE); }

    std::function<INT_PTR(HWND, UINT, WPARAM, LPARAM)> answer_;
    std::vector<Received> dialogLog_;
    HWND main_ = nullptr;
    HWND page_ = nullptr;

  private:
    static DialogTest* current_;
};

DialogTest* DialogTest::current_ = nullptr;

struct MulDivCase {
    const char* name;
    int number;
    int numerator;
    int denominator;
    int expected;
};

class MulDivTest : public ::testing::TestWithParam<MulDivCase> {};

TEST_P(MulDivTest, RoundsHalfAwayFromZero) {
    const MulDivCase& c = GetParam();
    EXPECT_EQ(MulDiv(c.number, c.numerator, c.denominator), c.expected);
}

INSTANTIATE_TEST_SUITE_P(Cases, MulDivTest,
                         ::testing::Values(MulDivCase{"HalfUp", 27, 6, 4, 41},
                                           MulDivCase{"HalfAwayNegative", -27, 6, 4, -41},
                                           MulDivCase{"Down", 15, 13, 8, 24},
                                           MulDivCase{"Up", 3, 13, 8, 5},
                                           MulDivCase{"Exact", 280, 6, 4, 420},
                                           MulDivCase{"Page", 320, 13, 8, 520},
                                           MulDivCase{"ZeroDivisor", 5, 1, 0, -1},
                                           MulDivCase{"Overflow", 2000000000, 4, 1, -1}),
                         keldra::testing::ParamName<MulDivCase>);

TEST_F(DialogTest, LayoutsConvertWithTheFixedBaseUnits) {
    const HWND parent = MakeTopLevel(At(0, 0, 600, 700));
    DialogTemplate page;
    page.style = WS_CHILD | DS_CONTROL;
    page.cx = 280;
    page.cy = 320;
    page.items = {{1045, kClass, L"", WS_CHILD | WS_VISIBLE | WS_TABSTOP, 0, 27, 146, 108, 15}};
    const HWND dialog = CreateDialogIndirectParamW(nullptr, Bytes(page), parent, &Procedure, 77);
    ASSERT_NE(dialog, nullptr);
    RECT rect;
    GetClientRect(dialog, &rect);
    EXPECT_EQ(rect.right, 420);
    EXPECT_EQ(rect.bottom, 520);
    const HWND slider = GetDlgItem(dialog, 1045);
    GetWindowRect(slider, &rect);
    EXPECT_EQ(rect.left, 41);
    EXPECT_EQ(rect.top, 237);
    EXPECT_EQ(rect.right - rect.left, 162);
    EXPECT_EQ(rect.bottom - rect.top, 24);
    EXPECT_FALSE(IsWindowVisible(dialog));  // no WS_VISIBLE in the layout
    EXPECT_TRUE(GetWindowLongPtrW(dialog, GWL_EXSTYLE) & WS_EX_CONTROLPARENT);

    // WM_INITDIALOG carries the creation parameter and comes after the controls exist.
    ASSERT_EQ(dialogLog_.size() > 0, true);
    const auto init = std::ranges::find_if(
        dialogLog_, [](const Received& r) { return r.message == WM_INITDIALOG; });
    ASSERT_NE(init, dialogLog_.end());
    EXPECT_EQ(init->lParam, 77);
    EXPECT_EQ(reinterpret_cast<HWND>(init->wParam), slider);
    EXPECT_EQ(GetFocus(), slider);  // WM_INITDIALOG answered TRUE
    const auto fonts = Log({WM_SETFONT});
    ASSERT_FALSE(fonts.empty());
    EXPECT_NE(fonts.back().wParam, 0u);
}

TEST_F(DialogTest, ALayoutWithAControlThatCannotBeMadeMakesNoDialog) {
    const HWND parent = MakeTopLevel(At(0, 0, 100, 100));
    DialogTemplate broken = PageLayout();
    broken.items.push_back({99, L"NoSuchControl", L"", WS_CHILD, 0, 0, 0, 1, 1});
    const std::size_t fonts = gdi::LiveObjectCount(gdi::ObjectKind::Font);
    EXPECT_EQ(CreateDialogIndirectParamW(nullptr, Bytes(broken), parent, &Procedure, 0), nullptr);
    EXPECT_EQ(GetWindow(parent, GW_CHILD), nullptr);
    EXPECT_EQ(gdi::LiveObjectCount(gdi::ObjectKind::Font), fonts);
}

TEST_F(DialogTest, AModalRunEndedByEndDialogReturnsItsResult) {
    const HWND owner = MakeTopLevel(At(0, 0, 800, 600));
    const DialogTemplate layout = MainLayout();
    HWND dialog = nullptr;
    answer_ = [&](HWND d, UINT message, WPARAM wParam, LPARAM) -> INT_PTR {
        if (message == WM_INITDIALOG) dialog = d;
        if (message == WM_COMMAND && LOWORD(wParam) == IDOK) EndDialog(d, 42);
        return message == WM_INITDIALOG ? TRUE : FALSE;
    };
    Check([&] {
        EXPECT_FALSE(IsWindowEnabled(owner));
        EXPECT_TRUE(IsWindowVisible(dialog));
        EXPECT_EQ(GetFocus(), GetDlgItem(dialog, kButtonA));
        EXPECT_TRUE(host_.IsShown(dialog));
        // DS_CENTER: centred on the 1920 x 1080 virtual screen.
        EXPECT_EQ(host_.WindowRect(dialog), gdi::Rect::FromSize(810, 458, 300, 163));
    });
    Type(VK_RETURN);
    EXPECT_EQ(DialogBoxIndirectParamW(nullptr, Bytes(layout), owner, &Procedure, 0), 42);
    EXPECT_FALSE(IsWindow(dialog));
    EXPECT_TRUE(IsWindowEnabled(owner));
    EXPECT_EQ(host_.PendingSteps(), 0u);
}

TEST_F(DialogTest, AModalRunWithoutFurtherInputEndsWithMinusOne) {
    const DialogTemplate layout = MainLayout();
    HWND dialog = nullptr;
    answer_ = [&](HWND d, UINT message, WPARAM, LPARAM) -> INT_PTR {
        if (message == WM_INITDIALOG) dialog = d;
        return FALSE;
    };
    EXPECT_EQ(DialogBoxIndirectParamW(nullptr, Bytes(layout), nullptr, &Procedure, 0), -1);
    EXPECT_FALSE(IsWindow(dialog));
}

TEST_F(DialogTest, DialogsByIdComeFromTheDialogResources) {
    const Bytes layout(MainLayout());
    const ScopedResource resource(
        RT_DIALOG, 500, std::vector<std::uint8_t>(layout.Bytes().begin(), layout.Bytes().end()));
    answer_ = [](HWND d, UINT message, WPARAM, LPARAM) -> INT_PTR {
        if (message == WM_INITDIALOG) EndDialog(d, 7);  // ends before it is ever shown
        return TRUE;
    };
    EXPECT_EQ(DialogBoxParamW(nullptr, MAKEINTRESOURCEW(500), nullptr, &Procedure, 0), 7);
    EXPECT_EQ(DialogBoxParamW(nullptr, MAKEINTRESOURCEW(501), nullptr, &Procedure, 0), -1);
    EXPECT_EQ(CreateDialogParamW(nullptr, MAKEINTRESOURCEW(501), nullptr, &Procedure, 0), nullptr);
}

// A dialog resource that is not a whole template makes no dialog, modal or not.
TEST_F(DialogTest, ADamagedDialogResourceMakesNoDialog) {
    const Bytes layout(MainLayout());
    const ScopedResource resource(
        RT_DIALOG, 502,
        std::vector<std::uint8_t>(layout.Bytes().begin(), layout.Bytes().end() - 1));
    EXPECT_EQ(DialogBoxParamW(nullptr, MAKEINTRESOURCEW(502), nullptr, &Procedure, 0), -1);
    EXPECT_EQ(CreateDialogParamW(nullptr, MAKEINTRESOURCEW(502), nullptr, &Procedure, 0), nullptr);
    EXPECT_TRUE(dialogLog_.empty()) << "no dialog procedure ran";
}

TEST_F(DialogTest, TabRingRunsAcrossTheChildDialogAndBack) {
    std::vector<int> visited;
    const auto note = [&] { visited.push_back(GetDlgCtrlID(GetFocus())); };
    Check(note);
    for (int i = 0; i < 4; ++i) {
        Type(VK_TAB);
        Check(note);
    }
    Type(VK_TAB, host::HeadlessHost::kShift);
    Check(note);
    Type(VK_TAB, host::HeadlessHost::kShift);
    Check(note);
    Check([&] { ShowWindow(page_, SW_HIDE); });  // a hidden page leaves the ring
    Type(VK_TAB);
    Check(note);
    Type(VK_TAB);
    Check(note);
    Close();
    EXPECT_EQ(RunWithPage(), IDCANCEL);
    EXPECT_EQ(visited, (std::vector<int>{kButtonA, kButtonB, kPageFirst, kPageLast, kButtonA,
                                         kPageLast, kPageFirst, kButtonA, kButtonB}));
}

TEST_F(DialogTest, EnterAndEscapeReachTheDialogThatHoldsTheFocus) {
    Type(VK_RETURN);  // focus on the main dialog's first control
    Check([&] { SetFocus(GetDlgItem(page_, kPageFirst)); });
    Type(VK_RETURN);
    Type(VK_ESCAPE);  // the page is told, and does nothing
    Check([&] { SetFocus(GetDlgItem(main_, kButtonB)); });
    Close();
    EXPECT_EQ(RunWithPage(), IDCANCEL);
    const std::vector<std::pair<HWND, int>> expected{
        {main_, IDOK}, {page_, IDOK}, {page_, IDCANCEL}, {main_, IDCANCEL}};
    EXPECT_EQ(Commands(), expected);
    // The keys the dialog manager took never reached the controls.
    EXPECT_EQ(Log({WM_KEYDOWN, WM_CHAR}).size(), 0u);
}

TEST_F(DialogTest, AControlThatClaimsEnterGetsItInsteadOfTheDialog) {
    anyWindow_ = [](HWND window, UINT message, WPARAM, LPARAM) -> std::optional<LRESULT> {
        if (message == WM_GETDLGCODE && GetDlgCtrlID(window) == kButtonA) return DLGC_WANTALLKEYS;
        return std::nullopt;
    };
    Type(VK_RETURN);
    Close();  // claimed too: Escape reaches the control, so end from outside
    Check([&] { EndDialog(main_, 5); });
    EXPECT_EQ(RunWithPage(), 5);
    EXPECT_TRUE(Commands().empty());
    std::vector<std::pair<UINT, WPARAM>> keys;
    for (const Received& r : Log({WM_KEYDOWN, WM_CHAR})) keys.emplace_back(r.message, r.wParam);
    const std::vector<std::pair<UINT, WPARAM>> expected{
        {WM_KEYDOWN, VK_RETURN}, {WM_CHAR, L'\r'}, {WM_KEYDOWN, VK_ESCAPE}, {WM_CHAR, 0x1B}};
    EXPECT_EQ(keys, expected);
}

TEST_F(DialogTest, EnterOnAPushButtonSendsItsIdAndOtherwiseTheDefaultId) {
    anyWindow_ = [](HWND window, UINT message, WPARAM, LPARAM) -> std::optional<LRESULT> {
        if (message == WM_GETDLGCODE && GetDlgCtrlID(window) == kButtonB)
            return DLGC_UNDEFPUSHBUTTON;
        return std::nullopt;
    };
    Check([&] { SendMessageW(main_, DM_SETDEFID, 1000, 0); });
    Type(VK_RETURN);
    Type(VK_TAB);
    Type(VK_RETURN);
    Close();
    EXPECT_EQ(RunWithPage(), IDCANCEL);
    const std::vector<std::pair<HWND, int>> expected{
        {main_, 1000}, {main_, kButtonB}, {main_, IDCANCEL}};
    EXPECT_EQ(Commands(), expected);
}

TEST_F(DialogTest, ArrowKeysMoveWithinAGroup) {
    const DialogTemplate layout = [] {
        DialogTemplate l = MainLayout();
        l.items = {Item(1, WS_GROUP | WS_TABSTOP), Item(2, 0), Item(3, 0),
                   Item(4, WS_GROUP | WS_TABSTOP)};
        return l;
    }();
    std::vector<int> visited;
    const auto note = [&] { visited.push_back(GetDlgCtrlID(GetFocus())); };
    for (UINT key : {VK_DOWN, VK_RIGHT, VK_DOWN, VK_UP, VK_LEFT}) {
        Type(key);
        Check(note);
    }
    answer_ = [](HWND d, UINT message, WPARAM wParam, LPARAM) -> INT_PTR {
        if (message == WM_COMMAND && LOWORD(wParam) == IDCANCEL) EndDialog(d, 0);
        return message == WM_INITDIALOG ? TRUE : FALSE;
    };
    Close();
    DialogBoxIndirectParamW(nullptr, Bytes(layout), nullptr, &Procedure, 0);
    EXPECT_EQ(visited, (std::vector<int>{2, 3, 1, 3, 2}));
}

TEST_F(DialogTest, DefaultProcessingAnswersWhatTheDialogProcedureLeaves) {
    const HWND parent = MakeTopLevel(At(0, 0, 300, 300));
    DialogTemplate layout = PageLayout();
    HBRUSH own = CreateSolidBrush(RGB(1, 2, 3));
    answer_ = [&](HWND, UINT message, WPARAM, LPARAM) -> INT_PTR {
        if (message == WM_CTLCOLORBTN) return reinterpret_cast<INT_PTR>(own);
        return FALSE;
    };
    const HWND dialog = CreateDialogIndirectParamW(nullptr, Bytes(layout), parent, &Procedure, 0);
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(SendMessageW(dialog, DM_GETDEFID, 0, 0), MAKELRESULT(IDOK, DC_HASDEFID));
    HDC dc = GetDC(dialog);
    EXPECT_EQ(SendMessageW(dialog, WM_CTLCOLORBTN, reinterpret_cast<WPARAM>(dc), 0),
              reinterpret_cast<LRESULT>(own));
    EXPECT_EQ(SendMessageW(dialog, WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc), 0),
              reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_BTNFACE)));
    ReleaseDC(dialog, dc);
    DeleteObject(own);
    dialogLog_.clear();
    SendMessageW(dialog, WM_CLOSE, 0, 0);  // a close request becomes IDCANCEL
    EXPECT_EQ(Commands(), (std::vector<std::pair<HWND, int>>{{dialog, IDCANCEL}}));
    EXPECT_TRUE(IsWindow(dialog));
}

TEST_F(DialogTest, AfterAMessageBoxTheOwnerHasTheKeyboardAndItsFocusBack) {
    HWND focusAfter = nullptr;
    HWND activeAfter = nullptr;
    HWND focused = nullptr;
    Check([&] {
        focused = GetDlgItem(page_, kPageLast);
        SetFocus(focused);
    });
    Check([&] {
        MessageBoxW(main_, L"CONFIG.INI could not be saved.", L"Keldra", MB_OK | MB_ICONERROR);
        focusAfter = GetFocus();
        activeAfter = GetActiveWindow();
    });
    Type(VK_RETURN);  // closes the box, inside its own run
    Type(VK_RETURN);  // reaches the page again
    Check([&] { EndDialog(main_, IDCANCEL); });
    EXPECT_EQ(RunWithPage(), IDCANCEL);
    EXPECT_EQ(activeAfter, main_);
    EXPECT_EQ(focusAfter, focused);
    const std::vector<std::pair<HWND, int>> expected{{page_, IDOK}};
    EXPECT_EQ(Commands(), expected);
}

TEST_F(DialogTest, MessageBoxClosesWithEscapeAndSpaceToo) {
    for (UINT key : {VK_ESCAPE, VK_SPACE}) {
        Type(key);
        EXPECT_EQ(MessageBoxW(nullptr, L"text", L"caption", MB_OK), IDOK) << key;
        EXPECT_EQ(host_.PendingSteps(), 0u);
    }
    Type('A');  // any other key leaves it open
    Check([] { EXPECT_NE(GetActiveWindow(), nullptr); });
    Type(VK_RETURN);
    EXPECT_EQ(MessageBoxW(nullptr, L"text", L"caption", MB_OK), IDOK);
    EXPECT_EQ(host_.PendingSteps(), 0u);
}

TEST_F(DialogTest, MessageBoxIsCentredOnItsOwnerAndClosesWithEnter) {
    const HWND owner = MakeTopLevel(At(100, 100, 456, 653));
    HWND box = nullptr;
    Check([&] {
        box = GetActiveWindow();
        ASSERT_NE(box, owner);
        EXPECT_FALSE(IsWindowEnabled(owner));
        const gdi::Rect rect = host_.WindowRect(box);
        EXPECT_NEAR((rect.left + rect.right) / 2, 100 + 456 / 2, 1);
        EXPECT_NEAR((rect.top + rect.bottom) / 2, 100 + 653 / 2, 1);
        EXPECT_EQ(host_.Find(box)->state.title, L"Keldra");
        // Above its owner on the desktop, without a task-bar entry of its own.
        EXPECT_EQ(host_.Find(box)->state.role, host::NativeWindowRole::Owned);
        EXPECT_EQ(host_.Find(box)->state.owner, owner);
    });
    Type(VK_RETURN);
    EXPECT_EQ(
        MessageBoxW(owner, L"CONFIG.INI could not be saved.", L"Keldra", MB_OK | MB_ICONERROR),
        IDOK);
    EXPECT_FALSE(IsWindow(box));
    EXPECT_TRUE(IsWindowEnabled(owner));
}

TEST_F(DialogTest, MessageBoxClosesWithAClickOnOkOnly) {
    HWND box = nullptr;
    Check([&] {
        box = GetActiveWindow();
        const gdi::Rect rect = host_.WindowRect(box);
        // Without an owner the box is centred on the screen.
        EXPECT_NEAR((rect.left + rect.right) / 2, 960, 1);
        EXPECT_NEAR((rect.top + rect.bottom) / 2, 540, 1);
        host_.Click({rect.left + 2, rect.top + 30});  // beside the button: stays open
    });
    Check([&] {
        EXPECT_TRUE(IsWindow(box));
        const gdi::Rect rect = host_.WindowRect(box);
        host_.Click({(rect.left + rect.right) / 2, rect.bottom - 20});
    });
    EXPECT_EQ(MessageBoxW(nullptr, L"text", L"caption", MB_OK), IDOK);
    EXPECT_FALSE(IsWindow(box));
    EXPECT_EQ(host_.PendingSteps(), 0u);
}

}  // namespace
}  // namespace keldra::platform::user::testing
