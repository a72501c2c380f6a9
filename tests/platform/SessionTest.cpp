// A platform session owns what the program made through the Windows calls: when it ends,
// windows, classes, messages, graphics objects and resources are gone, and nothing of it
// can be reached from the session that follows. Each test here runs in a session of its
// own (the test main makes one) and makes a second one inside it.
#include <gtest/gtest.h>
#include <windows.h>

#include <optional>

#include "platform/gdi/GdiHandles.h"
#include "platform/kernel/ScopedResource.h"
#include "platform/session/Session.h"

namespace keldra::platform {
namespace {

constexpr const wchar_t* kClass = L"KeldraSessionTestWindow";

LRESULT CALLBACK Plain(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    return DefWindowProcW(window, message, wParam, lParam);
}

bool RegisterTestClass() {
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = &Plain;
    windowClass.lpszClassName = kClass;
    return RegisterClassW(&windowClass) != 0;
}

HWND MakeWindow() {
    return CreateWindowExW(0, kClass, L"", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr,
                           nullptr);
}

// What one session made, seen from the one around it once it has ended.
struct LeftBehind {
    HWND window = nullptr;
    HBRUSH brush = nullptr;
    HGDIOBJ stockBrush = nullptr;
};

LeftBehind MakeThingsInASessionOfTheirOwn() {
    const Session inner;
    EXPECT_TRUE(RegisterTestClass());
    LeftBehind made{MakeWindow(), CreateSolidBrush(RGB(1, 2, 3)), GetStockObject(WHITE_BRUSH)};
    EXPECT_TRUE(IsWindow(made.window));
    EXPECT_TRUE(PostMessageW(made.window, WM_USER, 0, 0));
    EXPECT_EQ(gdi::LiveObjectCount(), 1u);
    return made;
}

TEST(Session, WhatASessionMadeEndsWithIt) {
    const std::size_t objectsBefore = gdi::LiveObjectCount();
    const LeftBehind made = MakeThingsInASessionOfTheirOwn();

    EXPECT_FALSE(IsWindow(made.window));
    EXPECT_TRUE(RegisterTestClass()) << "the class is still registered";
    MSG message;
    EXPECT_FALSE(PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) << "a message is still queued";
    EXPECT_EQ(gdi::LiveObjectCount(), objectsBefore);
}

TEST(Session, HandlesOfAnEndedSessionNameNothingInTheNext) {
    const LeftBehind made = MakeThingsInASessionOfTheirOwn();
    // This session has a brush and a window of its own in the same places.
    const HBRUSH brush = CreateSolidBrush(RGB(4, 5, 6));
    ASSERT_TRUE(RegisterTestClass());
    const HWND window = MakeWindow();

    EXPECT_NE(window, made.window);
    EXPECT_FALSE(IsWindow(made.window));
    EXPECT_FALSE(DestroyWindow(made.window));
    EXPECT_NE(brush, made.brush);
    EXPECT_FALSE(DeleteObject(made.brush));
    EXPECT_NE(GetStockObject(WHITE_BRUSH), made.stockBrush);
    EXPECT_TRUE(IsWindow(window));
    EXPECT_TRUE(DeleteObject(brush));
}

TEST(Session, ResourcesPutInFrontEndWithTheirSession) {
    const std::uint16_t id = 4711;
    const wchar_t* kType = L"KELDRATEST";
    {
        const Session inner;
        const ScopedResource layout(kType, id, {1, 2, 3});
        EXPECT_NE(FindResourceW(nullptr, MAKEINTRESOURCEW(id), kType), nullptr);
    }
    EXPECT_EQ(FindResourceW(nullptr, MAKEINTRESOURCEW(id), kType), nullptr);
}

TEST(Session, TheSessionBeforeIsCurrentAgainWhenANestedOneEnds) {
    const HBRUSH brush = CreateSolidBrush(RGB(7, 8, 9));
    MakeThingsInASessionOfTheirOwn();
    EXPECT_TRUE(DeleteObject(brush)) << "the outer session's objects were lost";
}

}  // namespace
}  // namespace keldra::platform
