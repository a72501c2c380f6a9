// Painting: update regions, the order of WM_ERASEBKGND and WM_PAINT, parents painting under
// their children, hidden windows, window regions and clipped window device contexts.
#include "platform/gdi/GdiHandles.h"
#include "user/UserTestSupport.h"

namespace keldra::platform::user::testing {
namespace {

constexpr COLORREF kRed = RGB(255, 0, 0);
constexpr COLORREF kGreen = RGB(0, 255, 0);
constexpr COLORREF kBlue = RGB(0, 0, 255);
constexpr COLORREF kBlack = RGB(0, 0, 0);

class PaintingTest : public UserTest {
  protected:
    // A 60 x 40 top-level window painting red with a 20 x 10 child at (10, 10) painting blue.
    void MakeParentAndChild(DWORD parentStyle = WS_POPUP | WS_VISIBLE) {
        top = MakeTopLevel(At(100, 100, 60, 40), parentStyle);
        BehaviourOf(top).fill = kRed;
        child = MakeChild(top, 1, At(10, 10, 20, 10));
        BehaviourOf(child).fill = kBlue;
        host_.Settle();
        ClearLog();
    }
    std::vector<HWND> PaintOrder() const {
        std::vector<HWND> order;
        for (const Received& r : Log({WM_PAINT})) order.push_back(r.window);
        return order;
    }

    HWND top = nullptr;
    HWND child = nullptr;
};

TEST_F(PaintingTest, ParentPaintsFirstThenChildrenOverIt) {
    MakeParentAndChild();
    EXPECT_EQ(host_.PixelAt(top, 5, 5), kRed);
    EXPECT_EQ(host_.PixelAt(top, 15, 15), kBlue);

    BehaviourOf(top).fill = kGreen;
    InvalidateRect(top, nullptr, TRUE);
    host_.Settle();
    // Without WS_CLIPCHILDREN the invalidation reaches the child, which paints after.
    EXPECT_EQ(PaintOrder(), (std::vector<HWND>{top, child}));
    EXPECT_EQ(host_.PixelAt(top, 5, 5), kGreen);
    EXPECT_EQ(host_.PixelAt(top, 15, 15), kBlue);
}

TEST_F(PaintingTest, ParentWithoutClipChildrenPaintsUnderAChildThatDrawsNothing) {
    MakeParentAndChild();
    BehaviourOf(child).fill.reset();
    BehaviourOf(top).fill = kGreen;
    InvalidateRect(top, nullptr, TRUE);
    host_.Settle();
    EXPECT_EQ(host_.PixelAt(top, 15, 15), kGreen);
}

TEST_F(PaintingTest, ClipChildrenKeepsTheParentOffItsChildren) {
    MakeParentAndChild(WS_POPUP | WS_VISIBLE | WS_CLIPCHILDREN);
    BehaviourOf(top).fill = kGreen;
    InvalidateRect(top, nullptr, TRUE);
    host_.Settle();
    EXPECT_EQ(PaintOrder(), (std::vector<HWND>{top}));
    EXPECT_EQ(host_.PixelAt(top, 5, 5), kGreen);
    EXPECT_EQ(host_.PixelAt(top, 15, 15), kBlue);
}

TEST_F(PaintingTest, InvalidatingPartOfAWindowRepaintsOnlyThatPart) {
    MakeParentAndChild();
    BehaviourOf(top).fill = kGreen;
    const RECT corner{40, 0, 60, 10};
    InvalidateRect(top, &corner, TRUE);
    host_.Settle();
    EXPECT_EQ(PaintOrder(), (std::vector<HWND>{top}));  // the child lies outside the area
    EXPECT_EQ(host_.PixelAt(top, 50, 5), kGreen);
    EXPECT_EQ(host_.PixelAt(top, 5, 5), kRed);
}

TEST_F(PaintingTest, HiddenWindowsNeverPaintAndShowingOrHidingRepaints) {
    MakeParentAndChild();
    ShowWindow(child, SW_HIDE);
    host_.Settle();
    EXPECT_EQ(host_.PixelAt(top, 15, 15), kRed);  // the parent repainted what the child left
    EXPECT_FALSE(IsWindowVisible(child));

    ClearLog();
    InvalidateRect(child, nullptr, TRUE);
    InvalidateRect(top, nullptr, TRUE);
    host_.Settle();
    EXPECT_EQ(Count(child, WM_PAINT), 0u);
    EXPECT_EQ(Count(child, WM_ERASEBKGND), 0u);

    ShowWindow(child, SW_SHOW);
    host_.Settle();
    EXPECT_EQ(Count(child, WM_PAINT), 1u);
    EXPECT_EQ(host_.PixelAt(top, 15, 15), kBlue);
}

TEST_F(PaintingTest, ChildrenOfAHiddenParentAreNotVisibleAndDoNotPaint) {
    MakeParentAndChild();
    const HWND page = MakeChild(top, 2, At(30, 0, 30, 40), WS_CHILD);
    const HWND control = MakeChild(page, 3, At(0, 0, 10, 10));
    BehaviourOf(control).fill = kGreen;
    host_.Settle();
    EXPECT_FALSE(IsWindowVisible(control));
    EXPECT_EQ(Count(control, WM_PAINT), 0u);
    EXPECT_EQ(host_.PixelAt(top, 35, 5), kRed);
    ShowWindow(page, SW_SHOW);
    host_.Settle();
    EXPECT_TRUE(IsWindowVisible(control));
    EXPECT_EQ(host_.PixelAt(top, 35, 5), kGreen);
}

TEST_F(PaintingTest, OverlappingSiblingsShowTheTopmost) {
    MakeParentAndChild();
    const HWND below = MakeChild(top, 2, At(20, 10, 20, 10));  // created later: lower
    BehaviourOf(below).fill = kGreen;
    // Siblings without WS_CLIPSIBLINGS may draw over each other, as on the platform; a
    // repaint of the parent paints them lowest first, so the topmost ends up in front.
    InvalidateRect(top, nullptr, TRUE);
    host_.Settle();
    EXPECT_EQ(host_.PixelAt(top, 25, 15), kBlue);
    EXPECT_EQ(host_.PixelAt(top, 35, 15), kGreen);
}

TEST_F(PaintingTest, WindowRegionShapesAChildsPaint) {
    MakeParentAndChild();
    const std::size_t regionsBefore = gdi::LiveObjectCount(gdi::ObjectKind::Region);
    EXPECT_NE(SetWindowRgn(child, CreateRectRgn(0, 0, 10, 10), TRUE), 0);
    // The window owns the region from here on: the handle is gone, nothing leaks.
    EXPECT_EQ(gdi::LiveObjectCount(gdi::ObjectKind::Region), regionsBefore);
    host_.Settle();
    EXPECT_EQ(host_.PixelAt(top, 15, 15), kBlue);
    EXPECT_EQ(host_.PixelAt(top, 25, 15), kRed);  // outside the region: the parent shows
}

TEST_F(PaintingTest, WindowRegionShapesATopLevelWindowOnTheHost) {
    MakeParentAndChild();
    HRGN shape = CreateRectRgn(0, 0, 60, 40);
    HRGN corner = CreateRectRgn(0, 0, 8, 8);
    CombineRgn(shape, shape, corner, RGN_DIFF);
    DeleteObject(corner);
    SetWindowRgn(top, shape, TRUE);
    host_.Settle();
    const auto* native = host_.Find(top);
    ASSERT_NE(native, nullptr);
    ASSERT_TRUE(native->state.shape.has_value());
    EXPECT_FALSE(native->state.shape->Contains({3, 3}));
    EXPECT_TRUE(native->state.shape->Contains({9, 3}));
    EXPECT_EQ(host_.PixelAt(top, 9, 3), kRed);
}

TEST_F(PaintingTest, WindowDcIsClippedToTheWindowAndItsVisibleArea) {
    MakeParentAndChild();
    const HWND above = MakeChild(top, 2, At(25, 10, 20, 10), WS_CHILD | WS_VISIBLE);
    BehaviourOf(above).fill = kBlack;
    // The lower child clips the higher sibling above it only with WS_CLIPSIBLINGS.
    SetWindowLongPtrW(child, GWL_STYLE, WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS);
    SetWindowPos(above, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    host_.Settle();

    HDC dc = GetDC(child);
    HBRUSH green = CreateSolidBrush(kGreen);
    const RECT huge{-100, -100, 500, 500};
    FillRect(dc, &huge, green);
    DeleteObject(green);
    ReleaseDC(child, dc);
    host_.Settle();
    EXPECT_EQ(host_.PixelAt(top, 12, 12), kGreen);
    EXPECT_EQ(host_.PixelAt(top, 27, 12), kBlack);  // the sibling above is cut out
    EXPECT_EQ(host_.PixelAt(top, 5, 5), kRed);      // the parent is untouched
    EXPECT_EQ(host_.PixelAt(top, 12, 25), kRed);
}

TEST_F(PaintingTest, UpdateWindowPaintsAtOnceAndBeginPaintValidates) {
    MakeParentAndChild();
    InvalidateRect(child, nullptr, FALSE);
    UpdateWindow(child);
    EXPECT_EQ(Count(child, WM_PAINT), 1u);
    EXPECT_EQ(Count(child, WM_ERASEBKGND), 0u);  // invalidated without erase
    UpdateWindow(child);
    EXPECT_EQ(Count(child, WM_PAINT), 1u);  // nothing left to paint
}

TEST_F(PaintingTest, AHandlerThatNeverPaintsIsNotAskedForever) {
    MakeParentAndChild();
    BehaviourOf(child).handler = [](HWND, UINT message, WPARAM, LPARAM) -> std::optional<LRESULT> {
        if (message == WM_PAINT) return 0;
        return std::nullopt;
    };
    InvalidateRect(child, nullptr, TRUE);
    host_.Settle();
    EXPECT_EQ(Count(child, WM_PAINT), 1u);
}

TEST_F(PaintingTest, MovingAChildRepaintsWhereItWasUnlessToldNotTo) {
    MakeParentAndChild();
    MoveWindow(child, 30, 20, 20, 10, TRUE);
    host_.Settle();
    EXPECT_EQ(host_.PixelAt(top, 15, 15), kRed);
    EXPECT_EQ(host_.PixelAt(top, 35, 25), kBlue);

    SetWindowPos(child, nullptr, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOREDRAW);
    host_.Settle();
    EXPECT_EQ(host_.PixelAt(top, 35, 25), kBlue);  // stale: nothing was repainted
}

}  // namespace
}  // namespace keldra::platform::user::testing
