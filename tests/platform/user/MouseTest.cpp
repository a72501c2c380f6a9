// Mouse routing, capture, hover and leave tracking, and timers on the virtual clock.
#include "user/UserTestSupport.h"

namespace keldra::platform::user::testing {
namespace {

class MouseTest : public UserTest {
  protected:
    // A 100 x 100 top-level window at (100, 100) with two overlapping children.
    void SetUp() override {
        top = MakeTopLevel(At(100, 100, 100, 100));
        upper = MakeChild(top, 1, At(10, 10, 40, 40));
        lower = MakeChild(top, 2, At(30, 30, 40, 40));
        host_.Settle();
        ClearLog();
    }
    // Where the last message of that kind went and the client point it carried.
    std::optional<Received> Last(UINT message) const {
        const auto received = Log({message});
        if (received.empty()) return std::nullopt;
        return received.back();
    }
    void ClickAt(gdi::Point screen) {
        host_.Click(screen);
        host_.Settle();
    }

    HWND top = nullptr;
    HWND upper = nullptr;
    HWND lower = nullptr;
};

TEST_F(MouseTest, ClicksGoToTheTopmostWindowUnderThePointInClientCoordinates) {
    ClickAt({145, 145});  // where both children overlap
    const auto down = Last(WM_LBUTTONDOWN);
    ASSERT_TRUE(down);
    EXPECT_EQ(down->window, upper);
    EXPECT_EQ(GET_X_LPARAM(down->lParam), 35);
    EXPECT_EQ(GET_Y_LPARAM(down->lParam), 35);
    EXPECT_EQ(down->wParam & MK_LBUTTON, MK_LBUTTON);
    EXPECT_EQ(Last(WM_LBUTTONUP)->window, upper);
    EXPECT_EQ(Last(WM_LBUTTONUP)->wParam & MK_LBUTTON, 0u);

    ClickAt({160, 160});
    EXPECT_EQ(Last(WM_LBUTTONDOWN)->window, lower);
    ClickAt({195, 105});
    EXPECT_EQ(Last(WM_LBUTTONDOWN)->window, top);
}

TEST_F(MouseTest, HiddenAndDisabledWindowsTakeNoClicks) {
    ShowWindow(upper, SW_HIDE);
    ClickAt({145, 145});
    EXPECT_EQ(Last(WM_LBUTTONDOWN)->window, lower);
    EnableWindow(lower, FALSE);
    ClickAt({145, 145});
    EXPECT_EQ(Last(WM_LBUTTONDOWN)->window, top);
    EXPECT_EQ(Count(upper, WM_LBUTTONDOWN), 0u);
    EXPECT_EQ(Count(lower, WM_LBUTTONDOWN), 1u);
}

TEST_F(MouseTest, ChildrenThatCallThemselvesTransparentPassClicksToTheirParent) {
    BehaviourOf(upper).handler = [](HWND, UINT message, WPARAM, LPARAM) -> std::optional<LRESULT> {
        if (message == WM_NCHITTEST) return HTTRANSPARENT;
        return std::nullopt;
    };
    ClickAt({115, 115});
    EXPECT_EQ(Last(WM_LBUTTONDOWN)->window, top);
    ClickAt({145, 145});
    EXPECT_EQ(Last(WM_LBUTTONDOWN)->window, lower);
}

TEST_F(MouseTest, AShapedWindowPassesClicksOutsideItsRegionToWhatLiesBeneath) {
    const HWND beneath = MakeTopLevel(At(50, 50, 300, 300));
    SetWindowPos(top, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    SetWindowRgn(top, CreateRectRgn(0, 0, 60, 60), TRUE);
    SetWindowRgn(upper, CreateRectRgn(0, 0, 10, 10), TRUE);
    ClickAt({115, 115});
    EXPECT_EQ(Last(WM_LBUTTONDOWN)->window, upper);
    ClickAt({125, 125});  // inside the child's rectangle, outside its region
    EXPECT_EQ(Last(WM_LBUTTONDOWN)->window, top);
    ClickAt({180, 180});  // outside the top-level region
    EXPECT_EQ(Last(WM_LBUTTONDOWN)->window, beneath);
    DestroyWindow(beneath);
    ClearLog();
    ClickAt({180, 180});  // the desktop: nobody
    EXPECT_FALSE(Last(WM_LBUTTONDOWN));
}

TEST_F(MouseTest, TheCapturedWindowGetsEveryMouseMessageUntilReleased) {
    EXPECT_EQ(SetCapture(upper), nullptr);
    EXPECT_EQ(GetCapture(), upper);
    EXPECT_TRUE(host_.HasMouseCapture());
    host_.MoveMouse({400, 20});  // far outside every window
    host_.PressLeft();
    host_.Settle();
    const auto move = Last(WM_MOUSEMOVE);
    ASSERT_TRUE(move);
    EXPECT_EQ(move->window, upper);
    EXPECT_EQ(GET_X_LPARAM(move->lParam), 290);
    EXPECT_EQ(GET_Y_LPARAM(move->lParam), -90);
    EXPECT_EQ(Last(WM_LBUTTONDOWN)->window, upper);

    ReleaseCapture();
    host_.ReleaseLeft();
    host_.MoveMouse({160, 160});
    host_.Settle();
    EXPECT_EQ(GetCapture(), nullptr);
    EXPECT_FALSE(host_.HasMouseCapture());
    EXPECT_EQ(Last(WM_MOUSEMOVE)->window, lower);
    EXPECT_EQ(Last(WM_MOUSEMOVE)->wParam & MK_LBUTTON, 0u);
}

TEST_F(MouseTest, DestroyingTheCapturedWindowReleasesTheCapture) {
    SetCapture(lower);
    DestroyWindow(lower);
    EXPECT_EQ(GetCapture(), nullptr);
    EXPECT_FALSE(host_.HasMouseCapture());
}

class HoverTest : public MouseTest {
  protected:
    bool Track(HWND window, DWORD flags, DWORD hoverTime) {
        TRACKMOUSEEVENT track{sizeof(TRACKMOUSEEVENT), flags, window, hoverTime};
        return _TrackMouseEvent(&track) != FALSE;
    }
};

TEST_F(HoverTest, HoverArrivesOnceAfterRestingAndLeaveOnceOnLeaving) {
    host_.MoveMouse({115, 115});
    ASSERT_TRUE(Track(upper, TME_HOVER | TME_LEAVE, 1));
    host_.Settle();
    EXPECT_EQ(Count(upper, WM_MOUSEHOVER), 0u);
    host_.AdvanceTime(1);
    host_.AdvanceTime(50);
    host_.Settle();
    ASSERT_EQ(Count(upper, WM_MOUSEHOVER), 1u);
    EXPECT_EQ(GET_X_LPARAM(Last(WM_MOUSEHOVER)->lParam), 5);

    host_.MoveMouse({120, 120});  // still inside: leave tracking stays after the hover
    host_.MoveMouse({195, 105});  // out onto the parent
    host_.MoveMouse({115, 115});
    host_.MoveMouse({195, 105});  // tracking ended with the first leave
    host_.AdvanceTime(100);
    host_.Settle();
    EXPECT_EQ(Count(upper, WM_MOUSELEAVE), 1u);
    EXPECT_EQ(Count(upper, WM_MOUSEHOVER), 1u);
}

TEST_F(HoverTest, HoverWaitsUntilThePointerRests) {
    host_.MoveMouse({115, 115});
    Track(upper, TME_HOVER, 100);
    for (int step = 1; step <= 5; ++step) {
        host_.AdvanceTime(60);
        host_.MoveMouse({115 + 5 * step, 115});  // beyond the hover square each time
    }
    host_.Settle();
    EXPECT_EQ(Count(upper, WM_MOUSEHOVER), 0u);
    host_.AdvanceTime(100);
    host_.Settle();
    EXPECT_EQ(Count(upper, WM_MOUSEHOVER), 1u);
}

TEST_F(HoverTest, AskingToTrackAWindowThePointerIsNotOverLeavesAtOnce) {
    host_.MoveMouse({195, 195});
    EXPECT_TRUE(Track(upper, TME_HOVER | TME_LEAVE, 1));
    host_.Settle();
    EXPECT_EQ(Count(upper, WM_MOUSELEAVE), 1u);
    host_.AdvanceTime(10);
    host_.Settle();
    EXPECT_EQ(Count(upper, WM_MOUSEHOVER), 0u);
}

TEST_F(HoverTest, BadRequestsAreRefused) {
    TRACKMOUSEEVENT track{0, TME_LEAVE, upper, 1};  // wrong size
    EXPECT_FALSE(_TrackMouseEvent(&track));
    EXPECT_FALSE(_TrackMouseEvent(nullptr));
    EXPECT_FALSE(Track(nullptr, TME_LEAVE, 1));
}

using TimerTest = MouseTest;

TEST_F(TimerTest, TimersFireByVirtualTimeUntilKilled) {
    EXPECT_EQ(SetTimer(top, 5, 100, nullptr), 5u);
    host_.AdvanceTime(99);
    host_.Settle();
    EXPECT_EQ(Count(top, WM_TIMER), 0u);
    host_.AdvanceTime(1);
    host_.Settle();
    ASSERT_EQ(Count(top, WM_TIMER), 1u);
    EXPECT_EQ(Last(WM_TIMER)->wParam, 5u);
    host_.AdvanceTime(350);  // missed periods come as one message, as on the platform
    host_.Settle();
    EXPECT_EQ(Count(top, WM_TIMER), 2u);
    host_.AdvanceTime(100);
    host_.Settle();
    EXPECT_EQ(Count(top, WM_TIMER), 3u);
    EXPECT_TRUE(KillTimer(top, 5));
    EXPECT_FALSE(KillTimer(top, 5));
    host_.AdvanceTime(1000);
    host_.Settle();
    EXPECT_EQ(Count(top, WM_TIMER), 3u);
}

TEST_F(TimerTest, TimersOfADestroyedWindowStop) {
    SetTimer(lower, 1, 10, nullptr);
    DestroyWindow(lower);
    host_.AdvanceTime(100);
    host_.Settle();
    EXPECT_EQ(Count(lower, WM_TIMER), 0u);
    EXPECT_EQ(SetTimer(nullptr, 1, 10, nullptr), 0u);
}

}  // namespace
}  // namespace keldra::platform::user::testing
