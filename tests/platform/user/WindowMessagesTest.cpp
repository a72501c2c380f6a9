// Windows and messages: creation and destruction order, the tree, text, sending, posting,
// the quit request and subclassing.
#include "platform/user/windows/UserState.h"
#include "user/UserTestSupport.h"

namespace keldra::platform::user::testing {
namespace {

using WindowMessagesTest = UserTest;

TEST_F(WindowMessagesTest, CreateShowPaintDestroyArriveInOrder) {
    const HWND top = MakeTopLevel(At(10, 10, 100, 80), WS_POPUP);
    const HWND child = MakeChild(top, 7, At(5, 5, 20, 20));
    ShowWindow(top, SW_SHOW);
    host_.Settle();
    DestroyWindow(top);

    const std::vector<UINT> topExpected{WM_NCCREATE, WM_CREATE,    WM_SHOWWINDOW, WM_ACTIVATE,
                                        WM_SETFOCUS, WM_PAINT,     WM_ERASEBKGND, WM_SHOWWINDOW,
                                        WM_ACTIVATE, WM_KILLFOCUS, WM_DESTROY,    WM_NCDESTROY};
    EXPECT_EQ(Messages(top, {WM_NCCREATE, WM_CREATE, WM_SHOWWINDOW, WM_ACTIVATE, WM_SETFOCUS,
                             WM_KILLFOCUS, WM_PAINT, WM_ERASEBKGND, WM_DESTROY, WM_NCDESTROY}),
              topExpected);
    // Destruction: WM_DESTROY parent first, WM_NCDESTROY child first.
    std::vector<std::pair<HWND, UINT>> order;
    for (const Received& r : Log({WM_DESTROY, WM_NCDESTROY}))
        order.emplace_back(r.window, r.message);
    const std::vector<std::pair<HWND, UINT>> expected{
        {top, WM_DESTROY}, {child, WM_DESTROY}, {child, WM_NCDESTROY}, {top, WM_NCDESTROY}};
    EXPECT_EQ(order, expected);
    EXPECT_FALSE(IsWindow(top));
    EXPECT_FALSE(IsWindow(child));
    EXPECT_FALSE(host_.IsShown(top));
}

TEST_F(WindowMessagesTest, CreationRefusedByTheProcedureGivesNoWindow) {
    const HWND top = MakeTopLevel(At(0, 0, 50, 50));
    static int refuseMarker = 0;
    anyWindow_ = [](HWND, UINT message, WPARAM, LPARAM lParam) -> std::optional<LRESULT> {
        const auto* create = reinterpret_cast<const CREATESTRUCTW*>(lParam);
        if (message == WM_CREATE && create->lpCreateParams == &refuseMarker) return -1;
        return std::nullopt;
    };
    const HWND refused = CreateWindowExW(0, kClass, L"", WS_CHILD | WS_VISIBLE, 0, 0, 10, 10, top,
                                         nullptr, nullptr, &refuseMarker);
    EXPECT_EQ(refused, nullptr);
    EXPECT_EQ(GetWindow(top, GW_CHILD), nullptr);
    // The refused window was told it is going away.
    const auto destroyed = Log({WM_DESTROY});
    ASSERT_EQ(destroyed.size(), 1u);
    EXPECT_FALSE(IsWindow(destroyed[0].window));
}

TEST_F(WindowMessagesTest, BadArgumentsFailCleanly) {
    EXPECT_EQ(CreateWindowExW(0, L"NoSuchClass", L"", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr,
                              nullptr, nullptr),
              nullptr);
    // A child needs an existing parent.
    EXPECT_EQ(
        CreateWindowExW(0, kClass, L"", WS_CHILD, 0, 0, 1, 1, nullptr, nullptr, nullptr, nullptr),
        nullptr);
    const HWND stale = MakeTopLevel(At(0, 0, 10, 10));
    DestroyWindow(stale);
    EXPECT_FALSE(DestroyWindow(stale));
    EXPECT_EQ(SendMessageW(stale, WM_GETTEXTLENGTH, 0, 0), 0);
    EXPECT_FALSE(PostMessageW(stale, WM_USER, 0, 0));
    EXPECT_FALSE(SetWindowTextW(stale, L"x"));
    RECT rect{};
    EXPECT_FALSE(GetWindowRect(stale, &rect));
    WNDCLASSW duplicate{};
    duplicate.lpfnWndProc = DefWindowProcW;
    duplicate.lpszClassName = L"keldratestwindow";  // names are compared without case
    EXPECT_EQ(RegisterClassW(&duplicate), 0);
}

TEST_F(WindowMessagesTest, TreeIdsStylesAndText) {
    const HWND top = MakeTopLevel(At(0, 0, 200, 100));
    const HWND first = MakeChild(top, 11, At(0, 0, 10, 10), WS_CHILD | WS_TABSTOP);
    const HWND second = MakeChild(top, 12, At(20, 0, 10, 10), WS_CHILD | WS_GROUP);
    EXPECT_EQ(GetParent(first), top);
    EXPECT_EQ(GetDlgItem(top, 12), second);
    EXPECT_EQ(GetDlgItem(top, 13), nullptr);
    EXPECT_EQ(GetDlgCtrlID(first), 11);
    EXPECT_EQ(GetWindow(top, GW_CHILD), first);  // creation order is z-order, first on top
    EXPECT_EQ(GetWindow(first, GW_HWNDNEXT), second);
    EXPECT_EQ(GetWindowLongPtrW(first, GWL_STYLE) & WS_TABSTOP, WS_TABSTOP);
    EXPECT_TRUE(IsChild(top, second));
    EXPECT_FALSE(IsChild(second, top));

    EXPECT_TRUE(SetWindowTextW(top, L"Keldra \u00e9"));
    EXPECT_EQ(GetWindowTextLengthW(top), 8);
    wchar_t buffer[5];
    EXPECT_EQ(GetWindowTextW(top, buffer, 5), 4);  // cut to the buffer, terminated
    EXPECT_EQ(std::wstring(buffer), L"Keld");
    EXPECT_EQ(host_.Find(top)->state.title, L"Keldra \u00e9");
}

TEST_F(WindowMessagesTest, PostedMessagesKeepTheirOrderAndQuitComesLast) {
    const HWND top = MakeTopLevel(At(0, 0, 10, 10));
    host_.Settle();
    ClearLog();
    PostMessageW(top, WM_USER + 1, 1, 0);
    PostQuitMessage(3);
    PostMessageW(top, WM_USER + 2, 2, 0);
    MSG message;
    std::vector<UINT> seen;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        seen.push_back(message.message);
        DispatchMessageW(&message);
    }
    EXPECT_EQ(seen, (std::vector<UINT>{WM_USER + 1, WM_USER + 2}));
    EXPECT_EQ(message.message, WM_QUIT);
    EXPECT_EQ(message.wParam, 3u);
    EXPECT_EQ(Messages(top, {WM_USER + 1, WM_USER + 2}), seen);
}

TEST_F(WindowMessagesTest, AnEmptyHeadlessLoopEndsWithAnErrorInsteadOfHanging) {
    MakeTopLevel(At(0, 0, 10, 10));
    host_.Settle();
    MSG message;
    EXPECT_EQ(GetMessageW(&message, nullptr, 0, 0), -1);
}

// A subclass that sees every message first and hands the rest on with CallWindowProc.
WNDPROC g_original = nullptr;
std::vector<UINT> g_subclassSaw;
LRESULT CALLBACK Subclass(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    g_subclassSaw.push_back(message);
    if (message == WM_USER + 5) return 55;  // handled here, never reaches the class
    return CallWindowProcW(g_original, window, message, wParam, lParam);
}

TEST_F(WindowMessagesTest, SubclassingSeesMessagesFirstAndPassesThemOn) {
    const HWND top = MakeTopLevel(At(0, 0, 10, 10));
    g_subclassSaw.clear();
    g_original = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrW(top, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&Subclass)));
    ASSERT_NE(g_original, nullptr);
    ClearLog();
    EXPECT_EQ(SendMessageW(top, WM_USER + 5, 0, 0), 55);
    SendMessageW(top, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"via class"));
    EXPECT_EQ(g_subclassSaw, (std::vector<UINT>{WM_USER + 5, WM_SETTEXT}));
    EXPECT_EQ(Count(top, WM_USER + 5), 0u);
    EXPECT_EQ(Count(top, WM_SETTEXT), 1u);
    wchar_t text[16];
    GetWindowTextW(top, text, 16);
    EXPECT_EQ(std::wstring(text), L"via class");
    EXPECT_EQ(GetWindowLongPtrW(top, GWLP_WNDPROC), reinterpret_cast<LONG_PTR>(&Subclass));
}

}  // namespace
}  // namespace keldra::platform::user::testing

namespace keldra::platform::user::testing {
namespace {

using KeyboardTest = UserTest;

TEST_F(KeyboardTest, FocusChangesAreAnnouncedAndKeysGoToTheFocus) {
    const HWND top = MakeTopLevel(At(0, 0, 100, 100));
    const HWND first = MakeChild(top, 1, At(0, 0, 10, 10));
    const HWND second = MakeChild(top, 2, At(20, 0, 10, 10));
    SetFocus(first);
    ClearLog();
    EXPECT_EQ(SetFocus(second), first);
    EXPECT_EQ(GetFocus(), second);
    const auto changes = Log({WM_KILLFOCUS, WM_SETFOCUS});
    ASSERT_EQ(changes.size(), 2u);
    EXPECT_EQ(changes[0].window, first);
    EXPECT_EQ(reinterpret_cast<HWND>(changes[0].wParam), second);
    EXPECT_EQ(changes[1].window, second);
    EXPECT_EQ(reinterpret_cast<HWND>(changes[1].wParam), first);

    ClearLog();
    host_.TypeKey('A', host::HeadlessHost::kShift);
    host_.TypeKey('B');
    host_.Settle();
    std::vector<std::pair<UINT, WPARAM>> keys;
    for (const Received& r : Log({WM_KEYDOWN, WM_KEYUP, WM_CHAR})) {
        EXPECT_EQ(r.window, second);
        if (r.wParam != VK_SHIFT) keys.emplace_back(r.message, r.wParam);
    }
    const std::vector<std::pair<UINT, WPARAM>> expected{{WM_KEYDOWN, 'A'}, {WM_CHAR, L'A'},
                                                        {WM_KEYUP, 'A'},   {WM_KEYDOWN, 'B'},
                                                        {WM_CHAR, L'b'},   {WM_KEYUP, 'B'}};
    EXPECT_EQ(keys, expected);
    EXPECT_GE(GetKeyState(VK_SHIFT), 0);  // released again

    // The keys a check box listens to as characters: '+' and '=' tick it, '-' unticks it.
    ClearLog();
    host_.TypeKey(VK_OEM_PLUS, host::HeadlessHost::kShift);
    host_.TypeKey(VK_OEM_PLUS);
    host_.TypeKey(VK_OEM_MINUS);
    host_.TypeKey(VK_ADD);
    host_.TypeKey(VK_SUBTRACT);
    host_.Settle();
    std::vector<WPARAM> characters;
    for (const Received& r : Log({WM_CHAR})) characters.push_back(r.wParam);
    EXPECT_EQ(characters, (std::vector<WPARAM>{L'+', L'=', L'-', L'+', L'-'}));

    DestroyWindow(second);
    EXPECT_EQ(GetFocus(), nullptr);
}

struct RoleCase {
    const char* name;
    DWORD exStyle;
    bool owned;
    host::NativeWindowRole role;
};

class WindowRoleTest : public UserTest, public ::testing::WithParamInterface<RoleCase> {};

// An unowned window or one marked as an application window gets its own task-bar entry; an
// owned one belongs to its owner; a tool window is a popup the window manager leaves alone.
TEST_P(WindowRoleTest, TheDesktopIsToldHowToTreatTheWindow) {
    const RoleCase& c = GetParam();
    const HWND owner = MakeTopLevel(At(0, 0, 100, 100));
    const HWND window = CreateWindowExW(c.exStyle, kClass, L"", WS_POPUP | WS_VISIBLE, 10, 10, 50,
                                        50, c.owned ? owner : nullptr, nullptr, nullptr, nullptr);
    ASSERT_NE(window, nullptr);
    ASSERT_NE(host_.Find(window), nullptr);
    EXPECT_EQ(host_.Find(window)->state.role, c.role);
    EXPECT_EQ(host_.Find(window)->state.owner, c.owned ? owner : nullptr);
    DestroyWindow(window);
}

INSTANTIATE_TEST_SUITE_P(
    Kinds, WindowRoleTest,
    ::testing::Values(
        RoleCase{"unowned", 0, false, host::NativeWindowRole::Application},
        RoleCase{"owned", 0, true, host::NativeWindowRole::Owned},
        RoleCase{"owned_app_window", WS_EX_APPWINDOW, true, host::NativeWindowRole::Application},
        RoleCase{"owned_tool_window", WS_EX_TOOLWINDOW | WS_EX_TOPMOST, true,
                 host::NativeWindowRole::Popup},
        RoleCase{"unowned_tool_window", WS_EX_TOOLWINDOW, false, host::NativeWindowRole::Popup}),
    [](const ::testing::TestParamInfo<RoleCase>& kind) { return std::string(kind.param.name); });

// A window follows the host it was shown on; once the program's host is replaced, the old
// one hears nothing more of it (it may be gone), and the new one nothing until it shows it.
TEST_F(WindowMessagesTest, AReplacedHostHearsNothingMoreOfItsWindows) {
    const HWND top = MakeTopLevel(At(10, 10, 100, 80));
    host_.Settle();
    ASSERT_TRUE(host_.IsShown(top));
    const std::wstring title = host_.Find(top)->state.title;
    {
        host::HeadlessHost other;
        CurrentWindows().SetHost(&other);
        SetWindowTextW(top, L"Renamed");
        MoveWindow(top, 50, 60, 100, 80, TRUE);
        EXPECT_EQ(host_.Find(top)->state.title, title);
        EXPECT_EQ(host_.Find(top)->state.screenRect, (gdi::Rect{10, 10, 110, 90}));
        EXPECT_EQ(other.Find(top), nullptr);
        CurrentWindows().SetHost(&host_);
    }
}

}  // namespace
}  // namespace keldra::platform::user::testing
