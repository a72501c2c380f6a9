#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "GdiTestSupport.h"

namespace keldra::platform::gdi::testing {
namespace {

// A 3 x 2 pattern whose pixel (x, y) is RGB(x, y, 77).
HBITMAP NewPattern() {
    HBITMAP pattern = NewColourBitmap(3, 2, 0);
    for (int y = 0; y < 2; ++y) {
        for (int x = 0; x < 3; ++x) SetPixelOf(pattern, x, y, RGB(x, y, 77));
    }
    return pattern;
}

TEST(SolidBrush, FillRectPaintsTheRectangleOnly) {
    Owned<HBITMAP> target(NewColourBitmap(4, 4, RGB(0, 0, 0)));
    Owned<HBRUSH> brush(CreateSolidBrush(RGB(1, 2, 3)));
    {
        MemoryDc dc(target);
        const RECT rect{1, 1, 3, 2};
        EXPECT_EQ(FillRect(dc, &rect, brush), 1);
        EXPECT_EQ(FillRect(dc, &rect, nullptr), 0);
        EXPECT_EQ(FillRect(dc, nullptr, brush), 0);
    }
    for (int y = 0; y < 4; ++y) {
        for (int x = 0; x < 4; ++x) {
            const bool inside = x >= 1 && x < 3 && y == 1;
            EXPECT_EQ(PixelOf(target, x, y), inside ? RGB(1, 2, 3) : RGB(0, 0, 0));
        }
    }
}

TEST(PatternBrush, TilesFromTheBrushOrigin) {
    Owned<HBITMAP> pattern(NewPattern());
    Owned<HBRUSH> brush(CreatePatternBrush(pattern));
    Owned<HBITMAP> target(NewColourBitmap(8, 5, 0));
    for (const POINT origin : {POINT{0, 0}, POINT{1, 1}, POINT{-4, 7}}) {
        {
            MemoryDc dc(target);
            POINT previous{};
            ASSERT_TRUE(SetBrushOrgEx(dc, origin.x, origin.y, &previous));
            EXPECT_EQ(previous.x, 0);
            const RECT all{0, 0, 8, 5};
            ASSERT_EQ(FillRect(dc, &all, brush), 1);
        }
        for (int y = 0; y < 5; ++y) {
            for (int x = 0; x < 8; ++x) {
                const int px = ((x - origin.x) % 3 + 3) % 3;
                const int py = ((y - origin.y) % 2 + 2) % 2;
                ASSERT_EQ(PixelOf(target, x, y), RGB(px, py, 77))
                    << "origin " << origin.x << "," << origin.y << " at " << x << "," << y;
            }
        }
    }
}

TEST(PatternBrush, KeepsItsOwnCopyOfThePattern) {
    HBITMAP pattern = NewPattern();
    Owned<HBRUSH> brush(CreatePatternBrush(pattern));
    SetPixelOf(pattern, 0, 0, RGB(255, 255, 255));
    ASSERT_TRUE(DeleteObject(pattern));
    Owned<HBITMAP> target(NewColourBitmap(1, 1, RGB(9, 9, 9)));
    {
        MemoryDc dc(target);
        const RECT one{0, 0, 1, 1};
        ASSERT_EQ(FillRect(dc, &one, brush), 1);
    }
    EXPECT_EQ(PixelOf(target, 0, 0), RGB(0, 0, 77));
    EXPECT_EQ(CreatePatternBrush(nullptr), nullptr);
}

// The pixel (0, 0) of a one-pixel target filled with the brush.
COLORREF FilledWith(HBRUSH brush) {
    Owned<HBITMAP> target(NewColourBitmap(1, 1, RGB(9, 9, 9)));
    MemoryDc dc(target);
    const RECT one{0, 0, 1, 1};
    FillRect(dc, &one, brush);
    return PixelOf(target, 0, 0);
}

struct DrawingOnThePattern {
    const char* name;
    void (*draw)(HDC dc, HBITMAP pattern);
};

class PatternBitmapDrawnOn : public ::testing::TestWithParam<DrawingOnThePattern> {};

// The brush shares the bitmap's pixels until the bitmap is drawn on, whichever way and
// whether the bitmap was selected into its context before or after the brush was made.
TEST_P(PatternBitmapDrawnOn, KeepsTheBrushAsItWasMade) {
    for (const bool selectedFirst : {false, true}) {
        Owned<HBITMAP> pattern(NewPattern());
        std::optional<MemoryDc> dc;
        if (selectedFirst) dc.emplace(pattern);
        Owned<HBRUSH> brush(CreatePatternBrush(pattern));
        if (!selectedFirst) dc.emplace(pattern);
        GetParam().draw(*dc, pattern);
        dc.reset();
        EXPECT_NE(PixelOf(pattern, 0, 0), RGB(0, 0, 77)) << "the drawing did not land";
        EXPECT_EQ(FilledWith(brush), RGB(0, 0, 77)) << "selected first: " << selectedFirst;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Ways, PatternBitmapDrawnOn,
    ::testing::Values(DrawingOnThePattern{"fill_rect",
                                          [](HDC dc, HBITMAP) {
                                              Owned<HBRUSH> red(CreateSolidBrush(RGB(255, 0, 0)));
                                              const RECT all{0, 0, 3, 2};
                                              FillRect(dc, &all, red);
                                          }},
                      DrawingOnThePattern{"bit_blt",
                                          [](HDC dc, HBITMAP) {
                                              Owned<HBITMAP> white(
                                                  NewColourBitmap(3, 2, RGB(255, 255, 255)));
                                              MemoryDc source(white);
                                              BitBlt(dc, 0, 0, 3, 2, source, 0, 0, SRCCOPY);
                                          }},
                      DrawingOnThePattern{"its_own_brush_shifted",
                                          [](HDC dc, HBITMAP pattern) {
                                              Owned<HBRUSH> itself(CreatePatternBrush(pattern));
                                              SetBrushOrgEx(dc, 1, 1, nullptr);
                                              const RECT all{0, 0, 3, 2};
                                              FillRect(dc, &all, itself);
                                          }},
                      DrawingOnThePattern{"text",
                                          [](HDC dc, HBITMAP) {
                                              SetBkMode(dc, OPAQUE);
                                              SetBkColor(dc, RGB(255, 255, 255));
                                              RECT all{0, 0, 3, 2};
                                              DrawTextW(dc, L"W", 1, &all, DT_NOCLIP);
                                          }}),
    [](const ::testing::TestParamInfo<DrawingOnThePattern>& way) {
        return std::string(way.param.name);
    });

TEST(PatternBrush, MonochromePatternTakesTheContextColours) {
    Owned<HBITMAP> pattern(NewMonoBitmap(2, 1, false));
    SetPixelOf(pattern, 1, 0, RGB(255, 255, 255));
    Owned<HBRUSH> brush(CreatePatternBrush(pattern));
    Owned<HBITMAP> target(NewColourBitmap(2, 1, 0));
    {
        MemoryDc dc(target);
        SetTextColor(dc, RGB(10, 0, 0));
        SetBkColor(dc, RGB(0, 20, 0));
        const RECT all{0, 0, 2, 1};
        FillRect(dc, &all, brush);
    }
    EXPECT_EQ(PixelOf(target, 0, 0), RGB(10, 0, 0));
    EXPECT_EQ(PixelOf(target, 1, 0), RGB(0, 20, 0));
}

TEST(StockBrush, NullBrushPaintsNothingAndStockBrushesSurviveDeletion) {
    Owned<HBITMAP> target(NewColourBitmap(2, 2, RGB(5, 5, 5)));
    const auto white = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
    const auto black = static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH));
    EXPECT_TRUE(DeleteObject(white));  // harmless
    {
        MemoryDc dc(target);
        const RECT all{0, 0, 2, 2}, first{0, 0, 1, 1};
        FillRect(dc, &all, static_cast<HBRUSH>(GetStockObject(NULL_BRUSH)));
        EXPECT_EQ(PixelOf(target, 1, 1), RGB(5, 5, 5));
        EXPECT_EQ(FillRect(dc, &all, white), 1);
        FillRect(dc, &first, black);
    }
    EXPECT_EQ(PixelOf(target, 0, 0), RGB(0, 0, 0));
    EXPECT_EQ(PixelOf(target, 1, 1), RGB(255, 255, 255));
}

TEST(SolidBrush, OnAMonochromeTargetTakesTheNearerOfBlackAndWhite) {
    Owned<HBITMAP> target(NewMonoBitmap(2, 1, false));
    Owned<HBRUSH> light(CreateSolidBrush(RGB(200, 200, 150)));
    {
        MemoryDc dc(target);
        const RECT first{0, 0, 1, 1};
        FillRect(dc, &first, light);
    }
    EXPECT_EQ(PixelOf(target, 0, 0), RGB(255, 255, 255));
    EXPECT_EQ(PixelOf(target, 1, 0), RGB(0, 0, 0));
}

}  // namespace
}  // namespace keldra::platform::gdi::testing
