// The window layer reaches for the desktop (its host) only when the program first needs it:
// a program that ends before it shows anything must never touch the desktop.
#include <gtest/gtest.h>
#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "platform/headless/HeadlessHost.h"
#include "platform/session/Session.h"
#include "platform/user/windows/UserState.h"
#include "support/ParamName.h"

namespace keldra::platform::user {
namespace {

constexpr const wchar_t* kClass = L"KeldraOpenerTestWindow";
// Unlike any screen a host starts with, so a size read from it is known to be this host's.
constexpr gdi::Rect kScreen{0, 0, 1366, 768};

class HostOpenerTest : public ::testing::Test {
  protected:
    HostOpenerTest() {
        WNDCLASSW windowClass{};
        windowClass.lpfnWndProc = &DefWindowProcW;
        windowClass.lpszClassName = kClass;
        RegisterClassW(&windowClass);
        Manager().SetHostOpener([this] {
            ++opens_;
            return found_;
        });
    }
    WindowManager& Manager() { return session_.Windows(); }
    static HWND MakeWindow(DWORD style = WS_POPUP | WS_VISIBLE, HWND parent = nullptr) {
        return CreateWindowExW(0, kClass, L"", style, 10, 10, 200, 100, parent, nullptr, nullptr,
                               nullptr);
    }

    // First, so that it ends last: the test's windows and class go with it.
    Session session_;
    host::HeadlessHost desktop_{kScreen};
    host::Host* found_ = &desktop_;  // what the opener finds
    int opens_ = 0;
};

class FirstNeedTest;

struct Need {
    std::string name;
    std::function<void(FirstNeedTest&)> act;
};

void PrintTo(const Need& need, std::ostream* out) {
    *out << need.name;
}

// The first thing the program does that needs the desktop.
class FirstNeedTest : public HostOpenerTest, public ::testing::WithParamInterface<Need> {
  public:
    HWND MakeHiddenWindow() { return MakeWindow(WS_POPUP); }
    host::HeadlessHost& Desktop() { return desktop_; }
};

TEST_F(HostOpenerTest, WorkWithoutAWindowLeavesTheDesktopAlone) {
    HDC dc = CreateCompatibleDC(nullptr);
    HBITMAP bitmap = CreateCompatibleBitmap(dc, 8, 8);
    DeleteObject(bitmap);
    DeleteDC(dc);
    MSG message;
    PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE);
    EXPECT_EQ(opens_, 0);
    EXPECT_EQ(Manager().Now(), 0u) << "reading the clock needs no desktop";
    EXPECT_EQ(opens_, 0);
}

TEST_P(FirstNeedTest, OpensTheDesktopOnceAndUsesIt) {
    GetParam().act(*this);
    EXPECT_EQ(opens_, 1);
    EXPECT_EQ(Manager().Host(), &desktop_);
    const HWND later = MakeWindow();
    EXPECT_TRUE(desktop_.IsShown(later)) << "windows show on the desktop opened";
    EXPECT_EQ(opens_, 1) << "the desktop is opened once";
}

INSTANTIATE_TEST_SUITE_P(
    Needs, FirstNeedTest,
    ::testing::Values(Need{"TopLevelWindow",
                           [](FirstNeedTest& self) {
                               const HWND window = self.MakeHiddenWindow();
                               ShowWindow(window, SW_SHOW);
                               EXPECT_TRUE(self.Desktop().IsShown(window));
                           }},
                      // Placing a window on the screen, as a centred dialog is placed.
                      Need{"ScreenSize",
                           [](FirstNeedTest&) {
                               const gdi::Rect screen = CurrentWindows().ScreenRect();
                               EXPECT_EQ(screen.Width(), kScreen.Width());
                               EXPECT_EQ(screen.Height(), kScreen.Height());
                           }},
                      Need{"MessageBox",
                           [](FirstNeedTest& self) {
                               bool shown = false;
                               self.Desktop().Then([&] {
                                   shown = self.Desktop().IsShown(GetActiveWindow());
                                   self.Desktop().TypeKey(VK_RETURN);
                               });
                               EXPECT_EQ(
                                   MessageBoxW(nullptr, L"Where is the game?", L"Keldra", MB_OK),
                                   IDOK);
                               EXPECT_TRUE(shown) << "the box showed on the desktop opened for it";
                           }}),
    keldra::testing::ParamName<Need>);

TEST_F(HostOpenerTest, AChildWindowNeedsNoFurtherOpening) {
    const HWND top = MakeWindow();
    const HWND child = MakeWindow(WS_CHILD | WS_VISIBLE, top);
    ASSERT_NE(child, nullptr);
    EXPECT_EQ(opens_, 1);
}

TEST_F(HostOpenerTest, ADesktopThatCannotBeReachedIsNotAskedForAgain) {
    found_ = nullptr;
    MakeWindow();
    Manager().ScreenRect();
    MakeWindow();
    EXPECT_EQ(opens_, 1);
    EXPECT_EQ(Manager().Host(), nullptr);
}

TEST_F(HostOpenerTest, AHostSetBeforeTheFirstNeedIsUsedInstead) {
    host::HeadlessHost own;
    Manager().SetHost(&own);
    const HWND window = MakeWindow();
    EXPECT_EQ(opens_, 0);
    EXPECT_TRUE(own.IsShown(window));
    DestroyWindow(window);
    Manager().SetHost(nullptr);
}

TEST_F(HostOpenerTest, ADroppedOpenerIsNeverCalled) {
    Manager().SetHostOpener(nullptr);
    MakeWindow();
    EXPECT_EQ(opens_, 0);
    EXPECT_EQ(Manager().Host(), nullptr);
}

}  // namespace
}  // namespace keldra::platform::user
