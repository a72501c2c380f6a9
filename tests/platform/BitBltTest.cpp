#include <gtest/gtest.h>

#include "GdiTestSupport.h"

namespace keldra::platform::gdi::testing {
namespace {

constexpr COLORREF kKey = RGB(0, 255, 0);
constexpr COLORREF kNearKey = RGB(0, 254, 0);

struct RopCase {
    const char* name;
    DWORD rop;
    COLORREF dst;
    COLORREF src;
    COLORREF expected;
};

class ColourRopTest : public ::testing::TestWithParam<RopCase> {};

TEST_P(ColourRopTest, CombinesEveryPixelOfTheArea) {
    const RopCase& c = GetParam();
    Owned<HBITMAP> dst(NewColourBitmap(4, 3, c.dst));
    Owned<HBITMAP> src(NewColourBitmap(4, 3, c.src));
    {
        MemoryDc dstDc(dst), srcDc(src);
        ASSERT_TRUE(BitBlt(dstDc, 1, 1, 2, 2, srcDc, 0, 0, c.rop));
    }
    for (int y = 0; y < 3; ++y) {
        for (int x = 0; x < 4; ++x) {
            const bool inside = x >= 1 && x < 3 && y >= 1;
            EXPECT_EQ(PixelOf(dst, x, y), inside ? c.expected : c.dst) << x << "," << y;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Ops, ColourRopTest,
                         ::testing::Values(RopCase{"Copy", SRCCOPY, RGB(1, 2, 3), RGB(200, 100, 50),
                                                   RGB(200, 100, 50)},
                                           RopCase{"Invert", SRCINVERT, RGB(0xF0, 0x0F, 0x55),
                                                   RGB(0xFF, 0xFF, 0x0F), RGB(0x0F, 0xF0, 0x5A)},
                                           RopCase{"And", SRCAND, RGB(0xF0, 0x0F, 0x55),
                                                   RGB(0x3C, 0xFF, 0x0F), RGB(0x30, 0x0F, 0x05)},
                                           RopCase{"Paint", SRCPAINT, RGB(0xF0, 0x0F, 0x50),
                                                   RGB(0x0C, 0x30, 0x05), RGB(0xFC, 0x3F, 0x55)}),
                         [](const auto& p) { return std::string(p.param.name); });

TEST(BitBltConversion, ColourToMonoMarksSourceBackgroundWhite) {
    Owned<HBITMAP> image(NewColourBitmap(3, 1, RGB(255, 0, 255)));
    SetPixelOf(image, 1, 0, RGB(255, 0, 254));  // near the key: not key
    SetPixelOf(image, 2, 0, RGB(0, 0, 0));
    Owned<HBITMAP> mask(NewMonoBitmap(3, 1, false));
    {
        MemoryDc imageDc(image), maskDc(mask);
        SetBkColor(imageDc, RGB(255, 0, 255));
        SetBkColor(maskDc, RGB(1, 2, 3));  // the destination's colours play no part here
        SetTextColor(maskDc, RGB(4, 5, 6));
        ASSERT_TRUE(BitBlt(maskDc, 0, 0, 3, 1, imageDc, 0, 0, SRCCOPY));
    }
    EXPECT_EQ(PixelOf(mask, 0, 0), RGB(255, 255, 255));
    EXPECT_EQ(PixelOf(mask, 1, 0), RGB(0, 0, 0));
    EXPECT_EQ(PixelOf(mask, 2, 0), RGB(0, 0, 0));
}

TEST(BitBltConversion, MonoToColourUsesDestinationColours) {
    Owned<HBITMAP> mono(NewMonoBitmap(2, 1, false));
    SetPixelOf(mono, 0, 0, RGB(255, 255, 255));
    Owned<HBITMAP> colour(NewColourBitmap(2, 1, RGB(9, 9, 9)));
    {
        MemoryDc monoDc(mono), colourDc(colour);
        SetBkColor(monoDc, RGB(7, 7, 7));  // the source's colours play no part here
        SetBkColor(colourDc, RGB(10, 20, 30));
        SetTextColor(colourDc, RGB(40, 50, 60));
        ASSERT_TRUE(BitBlt(colourDc, 0, 0, 2, 1, monoDc, 0, 0, SRCCOPY));
    }
    EXPECT_EQ(PixelOf(colour, 0, 0), RGB(10, 20, 30));
    EXPECT_EQ(PixelOf(colour, 1, 0), RGB(40, 50, 60));
}

TEST(BitBltConversion, MonoToMonoCombinesBits) {
    Owned<HBITMAP> dst(NewMonoBitmap(2, 1, true));
    Owned<HBITMAP> src(NewMonoBitmap(2, 1, true));
    SetPixelOf(src, 1, 0, RGB(0, 0, 0));
    {
        MemoryDc dstDc(dst), srcDc(src);
        ASSERT_TRUE(BitBlt(dstDc, 0, 0, 2, 1, srcDc, 0, 0, SRCINVERT));
    }
    EXPECT_EQ(PixelOf(dst, 0, 0), RGB(0, 0, 0));
    EXPECT_EQ(PixelOf(dst, 1, 0), RGB(255, 255, 255));
}

// The transparent draw of a keyed image: mask, then XOR, AND, XOR over the background.
TEST(BitBltMaskedTransparency, KeyPixelsShowBackgroundOthersShowImage) {
    constexpr int kW = 5, kH = 4;
    Owned<HBITMAP> image(NewColourBitmap(kW, kH, RGB(200, 30, 90)));
    SetPixelOf(image, 0, 0, kKey);
    SetPixelOf(image, 4, 3, kKey);
    SetPixelOf(image, 2, 1, kKey);
    SetPixelOf(image, 3, 2, kNearKey);
    SetPixelOf(image, 1, 1, RGB(0, 0, 0));
    SetPixelOf(image, 1, 2, RGB(255, 255, 255));
    Owned<HBITMAP> background(NewColourBitmap(kW, kH, RGB(10, 20, 30)));
    for (int x = 0; x < kW; ++x) SetPixelOf(background, x, 0, RGB(x * 50, 255 - x * 40, 7));

    Owned<HBITMAP> mask(CreateBitmap(kW, kH, 1, 1, nullptr));
    // The work bitmap takes the target's depth, as a transparent draw asks for it.
    HDC screen = GetDC(nullptr);
    Owned<HBITMAP> work(CreateBitmap(kW, kH, static_cast<UINT>(GetDeviceCaps(screen, PLANES)),
                                     static_cast<UINT>(GetDeviceCaps(screen, BITSPIXEL)), nullptr));
    ReleaseDC(nullptr, screen);
    {
        MemoryDc imageDc(image), maskDc(mask), workDc(work), backDc(background);
        SetBkColor(imageDc, kKey);
        ASSERT_TRUE(BitBlt(maskDc, 0, 0, kW, kH, imageDc, 0, 0, SRCCOPY));
        ASSERT_TRUE(BitBlt(workDc, 0, 0, kW, kH, backDc, 0, 0, SRCCOPY));
        SetBkColor(workDc, RGB(255, 255, 255));
        ASSERT_TRUE(BitBlt(workDc, 0, 0, kW, kH, imageDc, 0, 0, SRCINVERT));
        ASSERT_TRUE(BitBlt(workDc, 0, 0, kW, kH, maskDc, 0, 0, SRCAND));
        ASSERT_TRUE(BitBlt(workDc, 0, 0, kW, kH, imageDc, 0, 0, SRCINVERT));
    }
    for (int y = 0; y < kH; ++y) {
        for (int x = 0; x < kW; ++x) {
            const COLORREF expected =
                PixelOf(image, x, y) == kKey ? PixelOf(background, x, y) : PixelOf(image, x, y);
            EXPECT_EQ(PixelOf(work, x, y), expected) << x << "," << y;
        }
    }
    EXPECT_EQ(PixelOf(work, 3, 2), kNearKey);
    EXPECT_EQ(PixelOf(work, 0, 0), RGB(0, 255, 7));
}

TEST(BitBltClipping, AreaIsCutToBothBitmaps) {
    Owned<HBITMAP> dst(NewColourBitmap(4, 4, RGB(0, 0, 0)));
    Owned<HBITMAP> src(NewColourBitmap(3, 3, RGB(0, 0, 0)));
    for (int y = 0; y < 3; ++y) {
        for (int x = 0; x < 3; ++x) SetPixelOf(src, x, y, RGB(x + 1, y + 1, 100));
    }
    {
        MemoryDc dstDc(dst), srcDc(src);
        // Source starts one pixel outside its bitmap; destination runs past its right edge.
        ASSERT_TRUE(BitBlt(dstDc, 2, 1, 10, 10, srcDc, -1, 0, SRCCOPY));
    }
    // Destination column 2 would read source column -1: nothing there, left untouched.
    for (int y = 0; y < 4; ++y) EXPECT_EQ(PixelOf(dst, 2, y), RGB(0, 0, 0)) << y;
    EXPECT_EQ(PixelOf(dst, 3, 1), RGB(1, 1, 100));
    EXPECT_EQ(PixelOf(dst, 3, 3), RGB(1, 3, 100));
    EXPECT_EQ(PixelOf(dst, 1, 1), RGB(0, 0, 0));
    EXPECT_EQ(PixelOf(dst, 3, 0), RGB(0, 0, 0));
}

TEST(BitBltClipping, NegativeDestinationReadsTheMatchingSourcePixels) {
    Owned<HBITMAP> dst(NewColourBitmap(3, 3, RGB(0, 0, 0)));
    Owned<HBITMAP> src(NewColourBitmap(3, 3, RGB(0, 0, 0)));
    SetPixelOf(src, 2, 2, RGB(9, 8, 7));
    {
        MemoryDc dstDc(dst), srcDc(src);
        ASSERT_TRUE(BitBlt(dstDc, -2, -2, 3, 3, srcDc, 0, 0, SRCCOPY));
    }
    EXPECT_EQ(PixelOf(dst, 0, 0), RGB(9, 8, 7));
    EXPECT_EQ(PixelOf(dst, 1, 1), RGB(0, 0, 0));
}

TEST(BitBltClipping, ClipRegionOfTheDestinationLimitsDrawing) {
    Owned<HBITMAP> dst(NewColourBitmap(4, 1, RGB(0, 0, 0)));
    Owned<HBITMAP> src(NewColourBitmap(4, 1, RGB(50, 50, 50)));
    Owned<HRGN> clip(CreateRectRgn(1, 0, 2, 1));
    Owned<HRGN> more(CreateRectRgn(3, 0, 4, 1));
    CombineRgn(clip, clip, more, RGN_OR);
    {
        MemoryDc dstDc(dst), srcDc(src);
        EXPECT_EQ(SelectClipRgn(dstDc, clip), COMPLEXREGION);
        ASSERT_TRUE(BitBlt(dstDc, 0, 0, 4, 1, srcDc, 0, 0, SRCCOPY));
    }
    EXPECT_EQ(PixelOf(dst, 0, 0), RGB(0, 0, 0));
    EXPECT_EQ(PixelOf(dst, 1, 0), RGB(50, 50, 50));
    EXPECT_EQ(PixelOf(dst, 2, 0), RGB(0, 0, 0));
    EXPECT_EQ(PixelOf(dst, 3, 0), RGB(50, 50, 50));
}

TEST(BitBltOverlap, CopyWithinOneBitmapReadsBeforeWriting) {
    for (const DWORD rop : {SRCCOPY, SRCINVERT}) {
        Owned<HBITMAP> bitmap(NewColourBitmap(1, 4, RGB(0, 0, 0)));
        for (int y = 0; y < 4; ++y) SetPixelOf(bitmap, 0, y, RGB(y + 1, 0, 0));
        {
            MemoryDc dc(bitmap);
            ASSERT_TRUE(BitBlt(dc, 0, 1, 1, 3, dc, 0, 0, rop));
        }
        const bool copy = rop == SRCCOPY;
        EXPECT_EQ(PixelOf(bitmap, 0, 1), copy ? RGB(1, 0, 0) : RGB(2 ^ 1, 0, 0));
        EXPECT_EQ(PixelOf(bitmap, 0, 2), copy ? RGB(2, 0, 0) : RGB(3 ^ 2, 0, 0));
        EXPECT_EQ(PixelOf(bitmap, 0, 3), copy ? RGB(3, 0, 0) : RGB(4 ^ 3, 0, 0));
    }
}

TEST(BitBltPatCopy, FillsWithTheSelectedBrushAndNeedsNoSource) {
    Owned<HBITMAP> dst(NewColourBitmap(3, 1, RGB(0, 0, 0)));
    Owned<HBRUSH> brush(CreateSolidBrush(RGB(12, 34, 56)));
    {
        MemoryDc dc(dst);
        const HGDIOBJ previous = SelectObject(dc, brush);
        EXPECT_EQ(previous, GetStockObject(WHITE_BRUSH));
        ASSERT_TRUE(BitBlt(dc, 1, 0, 5, 1, nullptr, 0, 0, PATCOPY));
        SelectObject(dc, previous);
    }
    EXPECT_EQ(PixelOf(dst, 0, 0), RGB(0, 0, 0));
    EXPECT_EQ(PixelOf(dst, 2, 0), RGB(12, 34, 56));
}

TEST(BitBltErrors, BadArgumentsFailWithoutDrawing) {
    Owned<HBITMAP> dst(NewColourBitmap(2, 2, RGB(1, 1, 1)));
    Owned<HBITMAP> src(NewColourBitmap(2, 2, RGB(2, 2, 2)));
    MemoryDc dstDc(dst), srcDc(src);
    EXPECT_FALSE(BitBlt(dstDc, 0, 0, 2, 2, nullptr, 0, 0, SRCCOPY));
    EXPECT_FALSE(BitBlt(dstDc, 0, 0, 2, 2, srcDc, 0, 0, 0x00990066));  // unsupported
    EXPECT_FALSE(BitBlt(nullptr, 0, 0, 2, 2, srcDc, 0, 0, SRCCOPY));
    EXPECT_FALSE(BitBlt(dstDc, 0, 0, -2, 2, srcDc, 0, 0, SRCCOPY));
    EXPECT_FALSE(BitBlt(dstDc, 0x7FFFFFF0, 0, 100, 2, srcDc, 0, 0, SRCCOPY));
    EXPECT_EQ(PixelOf(dst, 0, 0), RGB(1, 1, 1));
}

}  // namespace
}  // namespace keldra::platform::gdi::testing
