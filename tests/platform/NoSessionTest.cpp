// A program calls the platform between making its session and dropping it; objects that
// end after that (a global wrapper deleting its bitmap, destroying its window) get the
// answers a stale handle gets, and a call that would make something says why it cannot.
// This test program has no session.
#include <gtest/gtest.h>
#include <windows.h>

#include "resource.h"

namespace {

TEST(NoSession, ReleasingAndAskingAboutHandlesFailsQuietly) {
    const auto window = reinterpret_cast<HWND>(std::uintptr_t{0x10004});
    const auto object = reinterpret_cast<HGDIOBJ>(std::uintptr_t{1} << 16);
    EXPECT_FALSE(IsWindow(window));
    EXPECT_FALSE(DestroyWindow(window));
    EXPECT_FALSE(DeleteObject(object));
    EXPECT_FALSE(DeleteDC(static_cast<HDC>(object)));
    EXPECT_EQ(ReleaseDC(nullptr, static_cast<HDC>(object)), 0);
    EXPECT_EQ(GetDC(nullptr), nullptr);
}

TEST(NoSession, TheProgramsOwnResourcesAreStillThere) {
    // Part of the program itself, like the default settings it writes.
    EXPECT_NE(FindResourceW(nullptr, MAKEINTRESOURCEW(IDR_MAINFRAME), RT_GROUP_ICON), nullptr);
}

TEST(NoSessionDeathTest, MakingAnObjectSaysThereIsNoSession) {
    EXPECT_DEATH(CreateSolidBrush(RGB(1, 2, 3)),
                 "keldra: the graphics layer was used outside a platform session");
    EXPECT_DEATH(CreateWindowExW(0, L"Button", L"", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr, nullptr,
                                 nullptr),
                 "keldra: the window layer was used outside a platform session");
}

}  // namespace
