// Window geometry: rectangles, coordinate conversion, MoveWindow and SetWindowPos flags,
// minimising and restoring, and what the host is told.
#include "support/ParamName.h"
#include "user/UserTestSupport.h"

namespace keldra::platform::user::testing {
namespace {

using GeometryTest = UserTest;

RECT WindowRectOf(HWND window) {
    RECT rect{};
    GetWindowRect(window, &rect);
    return rect;
}

bool Same(const RECT& a, const RECT& b) {
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

TEST_F(GeometryTest, RectanglesAndCoordinateConversion) {
    const HWND top = MakeTopLevel(At(100, 50, 300, 200));
    const HWND page = MakeChild(top, 1, At(15, 86, 100, 100));
    const HWND control = MakeChild(page, 2, At(5, 6, 20, 10));
    EXPECT_TRUE(Same(WindowRectOf(control), At(120, 142, 20, 10)));
    RECT client{};
    GetClientRect(control, &client);
    EXPECT_TRUE(Same(client, At(0, 0, 20, 10)));
    POINT p{1, 2};
    ClientToScreen(control, &p);
    EXPECT_EQ(p.x, 121);
    EXPECT_EQ(p.y, 144);
    ScreenToClient(page, &p);
    EXPECT_EQ(p.x, 6);
    EXPECT_EQ(p.y, 8);
}

struct PlacementCase {
    const char* name;
    UINT flags;
    RECT expected;  // the child's rectangle on screen afterwards
};

class SetWindowPosTest : public UserTest, public ::testing::WithParamInterface<PlacementCase> {};

TEST_P(SetWindowPosTest, FlagsKeepWhatTheySay) {
    const HWND top = MakeTopLevel(At(0, 0, 300, 200));
    const HWND child = MakeChild(top, 1, At(10, 20, 30, 40));
    ASSERT_TRUE(SetWindowPos(child, nullptr, 50, 60, 70, 80, GetParam().flags));
    EXPECT_TRUE(Same(WindowRectOf(child), GetParam().expected));
}

INSTANTIATE_TEST_SUITE_P(
    Flags, SetWindowPosTest,
    ::testing::Values(
        PlacementCase{"MoveAndSize", SWP_NOZORDER, At(50, 60, 70, 80)},
        PlacementCase{"NoMove", SWP_NOZORDER | SWP_NOMOVE, At(10, 20, 70, 80)},
        PlacementCase{"NoSize", SWP_NOZORDER | SWP_NOSIZE, At(50, 60, 30, 40)},
        PlacementCase{"Neither", SWP_NOZORDER | SWP_NOMOVE | SWP_NOSIZE, At(10, 20, 30, 40)},
        PlacementCase{"NoRedrawStillMoves", SWP_NOZORDER | SWP_NOREDRAW, At(50, 60, 70, 80)}),
    keldra::testing::ParamName<PlacementCase>);

TEST_F(GeometryTest, ZOrderChangesOnlyWithoutNoZOrder) {
    const HWND top = MakeTopLevel(At(0, 0, 300, 200));
    const HWND first = MakeChild(top, 1, At(0, 0, 10, 10));
    const HWND second = MakeChild(top, 2, At(0, 0, 10, 10));
    SetWindowPos(second, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER);
    EXPECT_EQ(GetWindow(top, GW_CHILD), first);
    SetWindowPos(second, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    EXPECT_EQ(GetWindow(top, GW_CHILD), second);
    SetWindowPos(second, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    EXPECT_EQ(GetWindow(top, GW_CHILD), first);
}

TEST_F(GeometryTest, TopLevelMovesResizesAndMinimisesOnTheHost) {
    const HWND top = MakeTopLevel(At(100, 100, 60, 40));
    BehaviourOf(top).fill = RGB(1, 2, 3);
    host_.Settle();
    MoveWindow(top, -20, 30, 80, 50, TRUE);  // partly off the screen is allowed
    host_.Settle();
    EXPECT_EQ(host_.WindowRect(top), (gdi::Rect{-20, 30, 60, 80}));
    EXPECT_EQ(host_.PixelAt(top, 79, 49), RGB(1, 2, 3));  // repainted at the new size

    ShowWindow(top, SW_MINIMIZE);
    EXPECT_TRUE(IsIconic(top));
    EXPECT_TRUE(IsWindowVisible(top));
    EXPECT_TRUE(host_.IsMinimized(top));
    host_.RequestRestore(top);
    EXPECT_FALSE(IsIconic(top));
    EXPECT_FALSE(host_.IsMinimized(top));
    EXPECT_TRUE(Same(WindowRectOf(top), At(-20, 30, 80, 50)));
}

TEST_F(GeometryTest, ShowWindowReportsThePreviousVisibility) {
    const HWND top = MakeTopLevel(At(0, 0, 10, 10), WS_POPUP);
    EXPECT_FALSE(host_.IsShown(top));  // no native window before the first show
    EXPECT_FALSE(ShowWindow(top, SW_SHOW));
    EXPECT_TRUE(host_.IsShown(top));
    EXPECT_TRUE(ShowWindow(top, SW_SHOW));
    EXPECT_TRUE(ShowWindow(top, SW_HIDE));
    EXPECT_FALSE(host_.IsShown(top));
    EXPECT_FALSE(ShowWindow(top, SW_HIDE));
}

}  // namespace
}  // namespace keldra::platform::user::testing
