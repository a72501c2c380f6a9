#include <gtest/gtest.h>

#include <vector>

#include "GdiTestSupport.h"

namespace keldra::platform::gdi::testing {
namespace {

struct BitmapShape {
    int width, height;
    UINT bits;
    LONG expectedWidthBytes;
    WORD expectedBitsPixel;
};

class CreateBitmapShape : public ::testing::TestWithParam<BitmapShape> {};

TEST_P(CreateBitmapShape, GetObjectDescribesIt) {
    const BitmapShape& s = GetParam();
    Owned<HBITMAP> bitmap(CreateBitmap(s.width, s.height, 1, s.bits, nullptr));
    ASSERT_NE(bitmap.get(), nullptr);
    BITMAP info{};
    ASSERT_EQ(GetObject(bitmap, sizeof info, &info), static_cast<int>(sizeof info));
    const bool empty = s.width == 0 || s.height == 0;
    EXPECT_EQ(info.bmWidth, empty ? 1 : s.width);
    EXPECT_EQ(info.bmHeight, empty ? 1 : s.height);
    EXPECT_EQ(info.bmPlanes, 1);
    EXPECT_EQ(info.bmBitsPixel, s.expectedBitsPixel);
    EXPECT_EQ(info.bmWidthBytes, s.expectedWidthBytes);
}

INSTANTIATE_TEST_SUITE_P(Shapes, CreateBitmapShape,
                         ::testing::Values(BitmapShape{17, 25, 1, 4, 1},  // mono rows: words
                                           BitmapShape{16, 1, 1, 2, 1},
                                           BitmapShape{5, 3, 32, 20, 32},
                                           BitmapShape{5, 3, 24, 20, 32},  // kept as 32-bit
                                           BitmapShape{0, 7, 32, 2, 1}));  // zero: 1x1 mono

TEST(CreateBitmap, RefusesWhatItCannotMake) {
    EXPECT_EQ(CreateBitmap(-1, 5, 1, 32, nullptr), nullptr);
    EXPECT_EQ(CreateBitmap(5, 5, 2, 1, nullptr), nullptr);
    EXPECT_EQ(CreateBitmap(5, 5, 1, 8, nullptr), nullptr);
    EXPECT_EQ(CreateBitmap(100000, 100000, 1, 32, nullptr), nullptr);
    BITMAP info{};
    EXPECT_EQ(GetObject(nullptr, sizeof info, &info), 0);
}

TEST(CreateBitmap, ReadsMonoBitsMostSignificantFirstWithWordRows) {
    // 10 x 2: each row is two bytes of pixels, already a whole word.
    const unsigned char bits[] = {0b10000000, 0b01000000, 0b00000001, 0b00000000};
    Owned<HBITMAP> bitmap(CreateBitmap(10, 2, 1, 1, bits));
    const COLORREF white = RGB(255, 255, 255), black = RGB(0, 0, 0);
    EXPECT_EQ(PixelOf(bitmap, 0, 0), white);
    EXPECT_EQ(PixelOf(bitmap, 1, 0), black);
    EXPECT_EQ(PixelOf(bitmap, 9, 0), white);
    EXPECT_EQ(PixelOf(bitmap, 7, 1), white);
    EXPECT_EQ(PixelOf(bitmap, 8, 1), black);
}

TEST(CreateBitmap, ReadsColourBitsAsBlueGreenRed) {
    // 1 x 2 at 24 bits: rows of 3 bytes padded to 4.
    const unsigned char bits[] = {10, 20, 30, 0, 40, 50, 60, 0};
    Owned<HBITMAP> bitmap(CreateBitmap(1, 2, 1, 24, bits));
    EXPECT_EQ(PixelOf(bitmap, 0, 0), RGB(30, 20, 10));
    EXPECT_EQ(PixelOf(bitmap, 0, 1), RGB(60, 50, 40));
}

TEST(CreateCompatibleBitmap, FollowsTheBitmapInAMemoryContext) {
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    Owned<HBITMAP> fromScreen(CreateCompatibleBitmap(screen, 4, 4));
    Owned<HBITMAP> fromFreshMemory(CreateCompatibleBitmap(memory, 4, 4));
    BITMAP info{};
    GetObject(fromScreen, sizeof info, &info);
    EXPECT_EQ(info.bmBitsPixel, 32);
    GetObject(fromFreshMemory, sizeof info, &info);
    EXPECT_EQ(info.bmBitsPixel, 1);  // a new memory context holds a 1x1 mono bitmap
    EXPECT_EQ(GetDeviceCaps(memory, PLANES), 1);
    EXPECT_EQ(GetDeviceCaps(memory, BITSPIXEL), 32);
    EXPECT_EQ(GetDeviceCaps(nullptr, BITSPIXEL), 0);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
}

class GetDIBitsTest : public ::testing::Test {
  protected:
    static constexpr int kW = 5, kH = 3;  // 5 * 3 = 15 bytes per row, padded to 16
    void SetUp() override {
        bitmap_ = NewColourBitmap(kW, kH, 0);
        for (int y = 0; y < kH; ++y) {
            for (int x = 0; x < kW; ++x) SetPixelOf(bitmap_, x, y, RGB(x, y, 200));
        }
        screen_ = GetWindowDC(nullptr);
    }
    void TearDown() override {
        ReleaseDC(nullptr, screen_);
        DeleteObject(bitmap_);
    }
    BITMAPINFO Header(LONG width, LONG height) const {
        BITMAPINFO info{};
        info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
        info.bmiHeader.biWidth = width;
        info.bmiHeader.biHeight = height;
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 24;
        info.bmiHeader.biCompression = BI_RGB;
        return info;
    }
    HBITMAP bitmap_ = nullptr;
    HDC screen_ = nullptr;
};

TEST_F(GetDIBitsTest, NegativeHeightGivesRowsTopDownPaddedToFourBytes) {
    BITMAPINFO info = Header(kW, -kH);
    std::vector<BYTE> bits(16 * kH, 0xEE);
    ASSERT_EQ(GetDIBits(screen_, bitmap_, 0, kH, bits.data(), &info, DIB_RGB_COLORS), kH);
    for (int y = 0; y < kH; ++y) {
        for (int x = 0; x < kW; ++x) {
            const BYTE* p = &bits[y * 16 + x * 3];
            EXPECT_EQ(p[0], 200);
            EXPECT_EQ(p[1], y);
            EXPECT_EQ(p[2], x);
        }
        EXPECT_EQ(bits[y * 16 + 15], 0) << "padding byte of row " << y;
    }
}

TEST_F(GetDIBitsTest, PositiveHeightGivesRowsBottomUp) {
    BITMAPINFO info = Header(kW, kH);
    std::vector<BYTE> bits(16 * kH);
    ASSERT_EQ(GetDIBits(screen_, bitmap_, 0, kH, bits.data(), &info, DIB_RGB_COLORS), kH);
    EXPECT_EQ(bits[1], kH - 1);  // first buffer row is the bitmap's last row
    EXPECT_EQ(bits[2 * 16 + 1], 0);
}

TEST_F(GetDIBitsTest, NarrowerRequestReadsTheLeftColumnsOnly) {
    BITMAPINFO info = Header(4, -kH);  // 12 bytes per row, no padding
    std::vector<BYTE> bits(12 * kH + 4, 0xEE);
    ASSERT_EQ(GetDIBits(screen_, bitmap_, 0, kH, bits.data(), &info, DIB_RGB_COLORS), kH);
    EXPECT_EQ(bits[12 + 2], 0);  // row 1 starts again at x = 0
    EXPECT_EQ(bits[12 + 1], 1);
    EXPECT_EQ(bits[12 * kH], 0xEE);  // nothing written past the rows asked for
}

TEST_F(GetDIBitsTest, ThirtyTwoBitRowsHaveAZeroFourthByteAndWiderRowsEndInZeros) {
    BITMAPINFO info = Header(kW + 2, -kH);  // two columns more than the bitmap has
    info.bmiHeader.biBitCount = 32;
    const int stride = (kW + 2) * 4;
    std::vector<BYTE> bits(static_cast<std::size_t>(stride) * kH, 0xEE);
    ASSERT_EQ(GetDIBits(screen_, bitmap_, 0, kH, bits.data(), &info, DIB_RGB_COLORS), kH);
    for (int y = 0; y < kH; ++y) {
        for (int x = 0; x < kW + 2; ++x) {
            const BYTE* p = &bits[static_cast<std::size_t>(y * stride + x * 4)];
            const bool inside = x < kW;
            EXPECT_EQ(p[0], inside ? 200 : 0) << x << "," << y;  // blue
            EXPECT_EQ(p[1], inside ? y : 0) << x << "," << y;    // green
            EXPECT_EQ(p[2], inside ? x : 0) << x << "," << y;    // red
            EXPECT_EQ(p[3], 0) << x << "," << y;
        }
    }
}

TEST_F(GetDIBitsTest, StopsAtTheLinesAskedForAndRefusesBadRequests) {
    BITMAPINFO info = Header(kW, -kH);
    std::vector<BYTE> bits(16 * kH, 0xEE);
    EXPECT_EQ(GetDIBits(screen_, bitmap_, 1, 1, bits.data(), &info, DIB_RGB_COLORS), 1);
    EXPECT_EQ(bits[1], 1);      // scan line 1 of a top-down request is row 1
    EXPECT_EQ(bits[16], 0xEE);  // one line only
    EXPECT_EQ(GetDIBits(screen_, bitmap_, 5, 2, bits.data(), &info, DIB_RGB_COLORS), 0);
    EXPECT_EQ(GetDIBits(nullptr, bitmap_, 0, kH, bits.data(), &info, DIB_RGB_COLORS), 0);
    EXPECT_EQ(GetDIBits(screen_, nullptr, 0, kH, bits.data(), &info, DIB_RGB_COLORS), 0);
    BITMAPINFO compressed = Header(kW, -kH);
    compressed.bmiHeader.biCompression = 1;
    EXPECT_EQ(GetDIBits(screen_, bitmap_, 0, kH, bits.data(), &compressed, DIB_RGB_COLORS), 0);
}

TEST_F(GetDIBitsTest, WithoutABufferDescribesTheBitmap) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    ASSERT_NE(GetDIBits(screen_, bitmap_, 0, 0, nullptr, &info, DIB_RGB_COLORS), 0);
    EXPECT_EQ(info.bmiHeader.biWidth, kW);
    EXPECT_EQ(info.bmiHeader.biHeight, kH);
    EXPECT_EQ(info.bmiHeader.biBitCount, 32);
    EXPECT_EQ(info.bmiHeader.biSizeImage, static_cast<DWORD>(kW * 4 * kH));
}

TEST(LoadBitmapResource, UnknownOrNamedResourcesGiveNull) {
    EXPECT_EQ(LoadBitmap(nullptr, MAKEINTRESOURCE(31999)), nullptr);
    EXPECT_EQ(LoadBitmap(nullptr, L"SKIN"), nullptr);
}

}  // namespace
}  // namespace keldra::platform::gdi::testing
