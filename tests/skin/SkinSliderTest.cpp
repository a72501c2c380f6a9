// The skinned slider: the transparent thumb drawing pixel by pixel, keys that change
// nothing, paging by mouse with its repaints, the thumb grabbed anywhere it is drawn, and
// the range set-up.
#include <algorithm>
#include <array>
#include <memory>

#include "skin/CSkinBitmap.h"
#include "skin/SkinControlTestSupport.h"
#include "skin/SliderThumb.h"

namespace keldra::skin::testing {
namespace {

constexpr UINT kChannel = 159;
constexpr UINT kThumb = 160;
constexpr int kThumbWidth = 17;
constexpr COLORREF kKey = RGB(0, 255, 0);

// A bitmap of 32-bit pixels given as COLORREFs, row by row.
HBITMAP MakeBitmap(int width, int height, const std::vector<COLORREF>& pixels) {
    std::vector<BYTE> bits;
    for (COLORREF pixel : pixels) {
        bits.insert(bits.end(), {GetBValue(pixel), GetGValue(pixel), GetRValue(pixel), 0});
    }
    return CreateBitmap(width, height, 1, 32, bits.data());
}

class SkinBitmapTest : public ::testing::Test {
  protected:
    static constexpr COLORREF kBackground = RGB(10, 20, 30);
    static constexpr int kTargetWidth = 6;

    SkinBitmapTest() {
        target_.Attach(MakeBitmap(kTargetWidth, 3, std::vector<COLORREF>(18, kBackground)));
        dc_.CreateCompatibleDC(nullptr);
        previous_ = dc_.SelectObject(&target_);
    }
    ~SkinBitmapTest() override { dc_.SelectObject(previous_); }

    std::vector<COLORREF> TargetPixels() {
        dc_.SelectObject(previous_);
        int width = 0;
        int height = 0;
        auto pixels = BitmapPixels(target_, width, height);
        previous_ = dc_.SelectObject(&target_);
        return pixels;
    }

    CBitmap target_;
    CDC dc_;
    CBitmap* previous_ = nullptr;
};

TEST_F(SkinBitmapTest, KeyPixelsShowWhatWasBeneathAndEveryOtherPixelIsDrawn) {
    const std::array<COLORREF, 4> image = {kKey, RGB(0, 254, 0), RGB(255, 0, 0), RGB(1, 255, 0)};
    const std::array<COLORREF, 4> expected = {kBackground, RGB(0, 254, 0), RGB(255, 0, 0),
                                              RGB(1, 255, 0)};
    CSkinBitmap skin;
    skin.Attach(MakeBitmap(4, 1, {image.begin(), image.end()}));
    skin.DrawTransparent(&dc_, CPoint(1, 1), kKey);
    const auto pixels = TargetPixels();
    for (int x = 0; x < kTargetWidth; ++x) {
        const bool underImage = x >= 1 && x <= 4;
        EXPECT_EQ(pixels[static_cast<std::size_t>(kTargetWidth + x)],
                  underImage ? expected[static_cast<std::size_t>(x - 1)] : kBackground)
            << "x " << x;
        EXPECT_EQ(pixels[static_cast<std::size_t>(x)], kBackground);  // the row above
    }
}

TEST_F(SkinBitmapTest, TheMaskIsMadeOnceFromTheFirstKeyColour) {
    CSkinBitmap skin;
    skin.Attach(MakeBitmap(2, 1, {kKey, RGB(255, 0, 0)}));
    skin.DrawTransparent(&dc_, CPoint(0, 0), kKey);
    skin.DrawTransparent(&dc_, CPoint(2, 0), RGB(255, 0, 0));  // a later key is not used
    const auto pixels = TargetPixels();
    EXPECT_EQ(pixels[0], kBackground);
    EXPECT_EQ(pixels[1], RGB(255, 0, 0));
    EXPECT_EQ(pixels[2], kBackground);
    EXPECT_EQ(pixels[3], RGB(255, 0, 0));
}

TEST_F(SkinBitmapTest, DrawCopiesTheWholeImageKeyPixelsToo) {
    CSkinBitmap skin;
    skin.Attach(MakeBitmap(2, 2, {kKey, RGB(1, 2, 3), RGB(4, 5, 6), kKey}));
    skin.Draw(&dc_, CPoint(3, 1));
    const auto pixels = TargetPixels();
    EXPECT_EQ(pixels[kTargetWidth + 3], kKey);
    EXPECT_EQ(pixels[kTargetWidth + 4], RGB(1, 2, 3));
    EXPECT_EQ(pixels[2 * kTargetWidth + 3], RGB(4, 5, 6));
    EXPECT_EQ(pixels[2 * kTargetWidth + 4], kKey);
    EXPECT_EQ(pixels[kTargetWidth + 5], kBackground);
}

class SkinSliderTest : public SkinControlTest {
  protected:
    SkinSliderTest() {
        dialog_ = std::make_unique<SkinnedTestDialog>();
        Open(*dialog_);
    }
    ~SkinSliderTest() override { dialog_->DestroyWindow(); }

    CSkinSliderCtrl& Slider() { return dialog_->m_slider; }
    int ClientRight() const {
        RECT client;
        dialog_->m_slider.GetClientRect(&client);
        return client.right;
    }
    // Whether the slider shows its channel with the thumb's left edge at x: the thumb's own
    // pixels where it has them, the channel through its green ones and everywhere else.
    bool ThumbShownAt(int thumbLeft) const {
        RECT client;
        dialog_->m_slider.GetClientRect(&client);
        for (int y = 0; y < client.bottom; ++y) {
            for (int x = 0; x < client.right; ++x) {
                COLORREF expected = BitmapPixel(kChannel, x, y);
                if (x >= thumbLeft && x < thumbLeft + kThumbWidth) {
                    const COLORREF thumb = BitmapPixel(kThumb, x - thumbLeft, y);
                    if (thumb != kKey) expected = thumb;
                }
                if (Pixel(dialog_->m_slider, x, y) != expected) return false;
            }
        }
        return true;
    }

    std::unique_ptr<SkinnedTestDialog> dialog_;
};

TEST_F(SkinSliderTest, TheThumbIsDrawnWhereThePositionPutsIt) {
    ASSERT_EQ(ClientRight(), 162);
    const std::pair<int, int> positions[] = {{0, 0},      {1000, 37},  {2000, 74},
                                             {3000, 111}, {4000, 143}, {4100, 146}};
    const std::string snapshots = SnapshotDirectory();
    for (const auto& [position, left] : positions) {
        Slider().SetPos(position);
        Settle();
        EXPECT_TRUE(ThumbShownAt(left)) << "position " << position;
        EXPECT_FALSE(ThumbShownAt(left + 1)) << "position " << position;
        if (!snapshots.empty()) {
            host_.SavePng(dialog_->m_hWnd,
                          snapshots + "/slider-" + std::to_string(position) + ".png");
        }
    }
}

TEST_F(SkinSliderTest, KeysChangeNeitherTheValueNorThePicture) {
    Slider().SetPos(2000);
    Slider().SetFocus();
    Settle();
    const auto before = Picture(Slider());
    for (UINT key : {VK_LEFT, VK_RIGHT, VK_UP, VK_DOWN, VK_PRIOR, VK_NEXT, VK_HOME, VK_END}) {
        host_.TypeKey(key);
        Settle();
        EXPECT_EQ(Slider().GetPos(), 2000) << "key " << key;
        EXPECT_TRUE(Picture(Slider()) == before) << "key " << key;
    }
    // The same key moves a plain trackbar, so the keys did reach the skinned one.
    dialog_->m_plainSlider.SetPos(2000);
    dialog_->m_plainSlider.SetFocus();
    host_.TypeKey(VK_RIGHT);
    Settle();
    EXPECT_NE(dialog_->m_plainSlider.GetPos(), 2000);
}

TEST_F(SkinSliderTest, AClickInTheChannelPagesAndRepaintsOnPressDragAndRelease) {
    ProbeSlider& slider = dialog_->m_slider;
    slider.SetPos(0);
    Settle();
    const int page = static_cast<int>(slider.SendMessage(TBM_GETPAGESIZE));
    ASSERT_GT(page, 0);

    struct Stage {
        const char* name;
        std::function<void()> act;
        bool repaints;
    };
    const Stage stages[] = {
        {"press away from the thumb", [&] { Press(slider, 120, 12); }, true},
        {"drag while held", [&] { MoveTo(slider, 121, 12); }, true},
        {"release", [&] { Release(); }, true},
        {"move with the button up", [&] { MoveTo(slider, 122, 12); }, false},
    };
    for (const Stage& stage : stages) {
        SCOPED_TRACE(stage.name);
        slider.paints = 0;
        stage.act();
        EXPECT_EQ(slider.paints > 0, stage.repaints);
        EXPECT_EQ(slider.GetPos(), page);
        EXPECT_TRUE(ThumbShownAt(SliderThumbLeft(ClientRight(), page, 0, 4100)));
    }
}

// The trackbar's own thumb is narrower than the drawn one and lies elsewhere: at 2050 it
// misses the drawn thumb's edge columns, at 3000 and 3971 it reaches past the drawn thumb's
// left edge, at 4000 and 4100 (thumb pulled back) it misses both drawn edges.
constexpr int kGrabPositions[] = {0, 2050, 3000, 3971, 4000, 4100};

class SkinSliderGrabTest : public SkinSliderTest {
  protected:
    static constexpr int kMaximum = 4100;

    int DrawnLeft(int position) const {
        return SliderThumbLeft(ClientRight(), position, 0, kMaximum);
    }
    // The first column past the drawn thumb, where the slider's client area does not end first.
    int DrawnEnd(int position) const {
        return std::min(DrawnLeft(position) + kThumbWidth, ClientRight());
    }
    int ClientBottom() const {
        RECT client;
        dialog_->m_slider.GetClientRect(&client);
        return client.bottom;
    }
    POINT TrackbarThumbMiddle() {
        RECT thumb{};
        Slider().SendMessage(TBM_GETTHUMBRECT, 0, reinterpret_cast<LPARAM>(&thumb));
        return {(thumb.left + thumb.right) / 2, (thumb.top + thumb.bottom) / 2};
    }
    void PutAt(int position) {
        Slider().SetPos(position);
        Settle();
    }
    // The position after a press at from, a move to from + dx and a release.
    int DragFrom(int position, POINT from, int dx) {
        PutAt(position);
        Press(Slider(), from.x, from.y);
        MoveTo(Slider(), from.x + dx, from.y);
        Release();
        return Slider().GetPos();
    }
    int Page() { return static_cast<int>(Slider().SendMessage(TBM_GETPAGESIZE)); }
};

TEST_F(SkinSliderGrabTest, APressOnAnyColumnOfTheDrawnThumbGrabsItAndBesideItPages) {
    ASSERT_EQ(ClientRight(), 162);
    const int page = Page();
    ASSERT_GT(page, 0);
    for (const int position : kGrabPositions) {
        const int left = DrawnLeft(position);
        const int end = DrawnEnd(position);
        for (const int x : {left, end - 1}) {
            for (const int y : {0, ClientBottom() / 2, ClientBottom() - 1}) {
                SCOPED_TRACE(::testing::Message()
                             << "position " << position << ", thumb column " << x << ", row " << y);
                PutAt(position);
                Press(Slider(), x, y);
                EXPECT_EQ(Slider().GetPos(), position) << "pressed";
                Release();
                EXPECT_EQ(Slider().GetPos(), position) << "released";
                EXPECT_TRUE(ThumbShownAt(left));
            }
        }
        const std::pair<int, int> besides[] = {{left - 1, std::max(0, position - page)},
                                               {end, std::min(kMaximum, position + page)}};
        for (const auto& [x, paged] : besides) {
            if (x < 0 || x >= ClientRight()) continue;
            SCOPED_TRACE(::testing::Message()
                         << "position " << position << ", column " << x << " beside the thumb");
            PutAt(position);
            Press(Slider(), x, ClientBottom() / 2);
            Release();
            EXPECT_EQ(Slider().GetPos(), paged);
        }
    }
}

// The grab keeps the pointer where it took the thumb: a drag from an edge column moves the
// value exactly as the same drag from the trackbar's own thumb would.
TEST_F(SkinSliderGrabTest, ADragFromAnEdgeColumnMovesTheThumbAsFromItsMiddle) {
    for (const int position : kGrabPositions) {
        PutAt(position);
        const POINT middle = TrackbarThumbMiddle();
        for (const int dx : {-40, -3, 2, 25}) {
            const int expected = DragFrom(position, middle, dx);
            for (const int x : {DrawnLeft(position), DrawnEnd(position) - 1}) {
                SCOPED_TRACE(::testing::Message()
                             << "position " << position << ", column " << x << ", by " << dx);
                EXPECT_EQ(DragFrom(position, {x, 2}, dx), expected);
            }
        }
    }
}

TEST_F(SkinSliderGrabTest, TheDrawnThumbFollowsThePointerDraggedFromItsEdge) {
    const int position = 2050;
    PutAt(position);
    const int left = DrawnLeft(position);
    Press(Slider(), left, 12);
    int previous = position;
    int previousOffset = 0;
    for (const int offset : {4, 16, 30, 10, -20, -45}) {
        SCOPED_TRACE(offset);
        MoveTo(Slider(), left + offset, 12);
        const int now = Slider().GetPos();
        EXPECT_EQ(now > previous, offset > previousOffset) << "moved " << previous << " to " << now;
        // The trackbar's scale is a little shorter than the drawn one.
        EXPECT_NEAR(DrawnLeft(now), left + offset, 2) << "at " << now;
        EXPECT_TRUE(ThumbShownAt(DrawnLeft(now)));
        previous = now;
        previousOffset = offset;
    }
    MoveTo(Slider(), left + 200, 12);
    EXPECT_EQ(Slider().GetPos(), kMaximum);
    MoveTo(Slider(), left - 200, 12);
    EXPECT_EQ(Slider().GetPos(), 0);
    Release();
    EXPECT_EQ(Slider().GetPos(), 0);
    EXPECT_TRUE(ThumbShownAt(0)) << "after the release the thumb stays where it was dragged";
}

TEST_F(SkinSliderGrabTest, HeldDownInTheChannelTheSliderKeepsPaging) {
    PutAt(0);
    Press(Slider(), 150, 12);
    EXPECT_EQ(Slider().GetPos(), Page());
    for (int tick = 0; tick < 10; ++tick) Wait(150);
    EXPECT_EQ(Slider().GetPos(), kMaximum);
    Release();
}

TEST_F(SkinSliderTest, InitRangeSetsTheRangeAndPutsTheThumbAtTheMinimum) {
    for (int maximum : {6300, 4100, 2100}) {
        SCOPED_TRACE(maximum);
        Slider().SetPos(1500);
        Slider().InitRange(0, maximum, FALSE);
        Settle();
        EXPECT_EQ(Slider().GetRangeMin(), 0);
        EXPECT_EQ(Slider().GetRangeMax(), maximum);
        EXPECT_EQ(Slider().GetPos(), 0);
        EXPECT_TRUE(ThumbShownAt(0));
    }
}

}  // namespace
}  // namespace keldra::skin::testing
