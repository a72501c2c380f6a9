// The trackbar: range and position messages, default page sizes, paging toward a held
// press with timer repeats, dragging the thumb, the keys, and the default look.
#include "controls/ControlTestSupport.h"
#include "platform/user/controls/TrackbarControl.h"

namespace keldra::platform::user::controls::testing {
namespace {

constexpr int kWidth = 162;
constexpr int kHeight = 24;

class TrackbarTest : public ControlTest {
  protected:
    TrackbarTest() { SetRange(0, 4100); }

    void SetRange(int min, int max) {
        SendMessageW(slider_, TBM_SETRANGEMIN, FALSE, min);
        SendMessageW(slider_, TBM_SETRANGEMAX, FALSE, max);
    }
    int Pos() const { return static_cast<int>(SendMessageW(slider_, TBM_GETPOS, 0, 0)); }
    void SetPos(int pos) { SendMessageW(slider_, TBM_SETPOS, TRUE, pos); }
    RECT Thumb() const {
        RECT thumb{};
        SendMessageW(slider_, TBM_GETTHUMBRECT, 0, reinterpret_cast<LPARAM>(&thumb));
        return thumb;
    }
    int ThumbCentre() const { return (Thumb().left + Thumb().right) / 2; }
    void Tick() {
        host_.AdvanceTime(TrackbarControl::kRepeatInterval);
        Settle();
    }

    HWND slider_ = Make(TRACKBAR_CLASSW, L"", TBS_BOTH | TBS_NOTICKS | WS_TABSTOP,
                        At(40, 60, kWidth, kHeight), 1045);
};

TEST_F(TrackbarTest, PageSizeIsAFifthOfTheRangeUntilSet) {
    struct Case {
        int min;
        int max;
        int page;
    };
    const Case cases[] = {{0, 4100, 820},  {0, 2100, 420}, {0, 6300, 1260},
                          {0, 6100, 1220}, {0, 4, 1},      {10, 10, 1}};
    for (const Case& c : cases) {
        SetRange(c.min, c.max);
        EXPECT_EQ(SendMessageW(slider_, TBM_GETPAGESIZE, 0, 0), c.page) << c.max;
        EXPECT_EQ(SendMessageW(slider_, TBM_GETLINESIZE, 0, 0), 1);
    }
    EXPECT_EQ(SendMessageW(slider_, TBM_SETPAGESIZE, 0, 300), 1);
    SetRange(0, 4100);
    EXPECT_EQ(SendMessageW(slider_, TBM_GETPAGESIZE, 0, 0), 300) << "a set page size stays";
    EXPECT_EQ(SendMessageW(slider_, TBM_SETPAGESIZE, 0, -1), 300);
    EXPECT_EQ(SendMessageW(slider_, TBM_GETPAGESIZE, 0, 0), 820) << "-1 gives the default back";
    EXPECT_EQ(SendMessageW(slider_, TBM_SETLINESIZE, 0, 50), 1);
    EXPECT_EQ(SendMessageW(slider_, TBM_GETLINESIZE, 0, 0), 50);
}

TEST_F(TrackbarTest, KeepsThePositionInsideTheRangeWithoutNotifying) {
    EXPECT_EQ(SendMessageW(slider_, TBM_GETRANGEMIN, 0, 0), 0);
    EXPECT_EQ(SendMessageW(slider_, TBM_GETRANGEMAX, 0, 0), 4100);
    struct Case {
        int set;
        int kept;
    };
    const Case cases[] = {{2000, 2000}, {9000, 4100}, {-5, 0}, {4100, 4100}, {2750, 2750}};
    for (const Case& c : cases) {
        SetPos(c.set);
        EXPECT_EQ(Pos(), c.kept) << c.set;
    }
    SetRange(0, 2100);
    EXPECT_EQ(Pos(), 2100) << "a shrinking range pulls the position in";
    SendMessageW(slider_, TBM_SETRANGE, TRUE, MAKELPARAM(500, 1000));
    EXPECT_EQ(Pos(), 1000);
    EXPECT_EQ(SendMessageW(slider_, TBM_GETRANGEMIN, 0, 0), 500);
    Settle();
    EXPECT_TRUE(Notices(WM_HSCROLL).empty());
}

TEST_F(TrackbarTest, APressBesideTheThumbPagesTowardItAndRepeatsUntilTheThumbGetsThere) {
    SetPos(0);
    Settle();
    const int target = 125;  // inside the thumb once it stands at 4 pages
    Press(slider_, target, 12);
    EXPECT_EQ(GetCapture(), slider_);
    EXPECT_EQ(GetFocus(), slider_);
    EXPECT_EQ(Pos(), 820) << "one page at once";
    EXPECT_EQ(Codes(WM_HSCROLL), std::vector<int>{TB_PAGEDOWN});
    for (int i = 0; i < 10; ++i) Tick();
    EXPECT_EQ(Pos(), 4 * 820) << "paged until the thumb reached the pointer";
    const RECT thumb = Thumb();
    EXPECT_LE(thumb.left, target);
    EXPECT_GE(thumb.right, target - 10);
    EXPECT_EQ(Codes(WM_HSCROLL),
              (std::vector<int>{TB_PAGEDOWN, TB_PAGEDOWN, TB_PAGEDOWN, TB_PAGEDOWN}));
    Release(slider_, target, 12);
    EXPECT_EQ(GetCapture(), nullptr);
    EXPECT_EQ(Codes(WM_HSCROLL).back(), TB_ENDTRACK);
    ClearNotices();
    Tick();
    EXPECT_TRUE(Notices(WM_HSCROLL).empty()) << "the repeat went on after the release";
}

TEST_F(TrackbarTest, PagingUpStopsAtTheRangeEnd) {
    SetPos(1000);
    Settle();
    Press(slider_, 1, 12);
    for (int i = 0; i < 5; ++i) Tick();
    Release(slider_, 1, 12);
    EXPECT_EQ(Pos(), 0);
    EXPECT_EQ(Codes(WM_HSCROLL), (std::vector<int>{TB_PAGEUP, TB_PAGEUP, TB_ENDTRACK}));
    for (const Notice& n : Notices(WM_HSCROLL)) EXPECT_EQ(n.from, slider_);
}

TEST_F(TrackbarTest, PagingWaitsWhileThePointerIsOnTheOtherSide) {
    SetPos(0);
    Settle();
    Press(slider_, kWidth - 10, 12);
    MoveTo(slider_, 2, 12);  // now left of the thumb: the press pages down, not up
    Tick();
    Tick();
    EXPECT_EQ(Pos(), 820);
    MoveTo(slider_, kWidth - 10, 12);
    Tick();
    EXPECT_EQ(Pos(), 1640);
    Release(slider_, kWidth - 10, 12);
}

TEST_F(TrackbarTest, TheThumbFollowsADrag) {
    SetPos(2000);
    Settle();
    const int start = ThumbCentre();
    Press(slider_, start, 12);
    EXPECT_EQ(Pos(), 2000) << "a press on the thumb does not page";
    EXPECT_TRUE(Notices(WM_HSCROLL).empty());
    MoveTo(slider_, start + 30, 12);
    EXPECT_GT(Pos(), 2000);
    EXPECT_EQ(ThumbCentre(), start + 30) << "the thumb's centre stays under the pointer";
    MoveTo(slider_, kWidth + 50, 40);
    EXPECT_EQ(Pos(), 4100);
    MoveTo(slider_, -50, 12);
    EXPECT_EQ(Pos(), 0);
    MoveTo(slider_, start, 12);
    EXPECT_EQ(ThumbCentre(), start);
    const int dropped = Pos();
    Release(slider_, start, 12);
    const auto notices = Notices(WM_HSCROLL);
    ASSERT_EQ(notices.size(), 6u);
    for (int i = 0; i < 4; ++i) EXPECT_EQ(notices[static_cast<std::size_t>(i)].code, TB_THUMBTRACK);
    EXPECT_EQ(notices[1].value, 4100);
    EXPECT_EQ(notices[2].value, 0);
    EXPECT_EQ(notices[4].code, TB_THUMBPOSITION);
    EXPECT_EQ(notices[4].value, dropped);
    EXPECT_EQ(notices[5].code, TB_ENDTRACK);
    EXPECT_EQ(GetCapture(), nullptr);
}

TEST_F(TrackbarTest, KeysMoveItAndTellTheParent) {
    struct Step {
        UINT key;
        int code;
        int pos;
    };
    const Step steps[] = {{VK_RIGHT, TB_LINEDOWN, 2001}, {VK_DOWN, TB_LINEDOWN, 2002},
                          {VK_LEFT, TB_LINEUP, 2001},    {VK_UP, TB_LINEUP, 2000},
                          {VK_NEXT, TB_PAGEDOWN, 2820},  {VK_PRIOR, TB_PAGEUP, 2000},
                          {VK_END, TB_BOTTOM, 4100},     {VK_NEXT, TB_PAGEDOWN, 4100},
                          {VK_HOME, TB_TOP, 0},          {VK_LEFT, TB_LINEUP, 0}};
    SetPos(2000);
    SetFocus(slider_);
    EXPECT_EQ(SendMessageW(slider_, WM_GETDLGCODE, 0, 0), static_cast<LRESULT>(DLGC_WANTARROWS));
    for (const Step& step : steps) {
        ClearNotices();
        Type(step.key);
        EXPECT_EQ(Pos(), step.pos) << step.key;
        EXPECT_EQ(Codes(WM_HSCROLL), (std::vector<int>{step.code, TB_ENDTRACK})) << step.key;
    }
    ClearNotices();
    Type('A');
    EXPECT_TRUE(Notices(WM_HSCROLL).empty());
}

TEST_F(TrackbarTest, DrawsASunkenChannelAndARaisedThumb) {
    SetPos(0);
    Settle();
    RECT channel{};
    SendMessageW(slider_, TBM_GETCHANNELRECT, 0, reinterpret_cast<LPARAM>(&channel));
    EXPECT_EQ(channel.left, 8);
    EXPECT_EQ(channel.right, kWidth - 8);
    EXPECT_EQ(channel.bottom - channel.top, 4);
    const RECT thumb = Thumb();
    EXPECT_EQ(thumb.right - thumb.left, 11);
    EXPECT_EQ(thumb.bottom - thumb.top, 21);

    EXPECT_EQ(Pixel(slider_, kWidth - 2, 2), kLabelBrushColour) << "background from the parent";
    EXPECT_EQ(Pixel(slider_, 100, channel.top), RGB(160, 160, 160));         // shadow above
    EXPECT_EQ(Pixel(slider_, 100, channel.bottom - 1), RGB(255, 255, 255));  // light below
    EXPECT_EQ(Pixel(slider_, 1, channel.top), kLabelBrushColour) << "the inset is not channel";
    const int middle = (thumb.top + thumb.bottom) / 2;
    EXPECT_EQ(Pixel(slider_, (thumb.left + thumb.right) / 2, middle), GetSysColor(COLOR_BTNFACE));
    EXPECT_EQ(Pixel(slider_, thumb.right - 1, middle), RGB(105, 105, 105));  // dark right edge

    SetPos(4100);
    Settle();
    EXPECT_EQ(Pixel(slider_, 100, channel.top), RGB(160, 160, 160)) << "the old thumb stayed";
    EXPECT_EQ(Thumb().right, kWidth - 3);
}

}  // namespace
}  // namespace keldra::platform::user::controls::testing
