// Window outlines cut from background bitmaps by a key colour.
#include <gtest/gtest.h>

#include <vector>

#include "platform/GdiTestSupport.h"
#include "skin/BitmapRegion.h"

namespace keldra::skin {
namespace {

using keldra::platform::gdi::LiveObjectCount;
using keldra::platform::gdi::testing::NewColourBitmap;
using keldra::platform::gdi::testing::Owned;
using keldra::platform::gdi::testing::SetPixelOf;

constexpr COLORREF kMagenta = RGB(255, 0, 255);
constexpr COLORREF kStone = RGB(40, 36, 30);

long long AreaOf(HRGN region) {
    const DWORD size = GetRegionData(region, 0, nullptr);
    std::vector<std::byte> buffer(size);
    auto* data = reinterpret_cast<RGNDATA*>(buffer.data());
    if (GetRegionData(region, size, data) == 0) return -1;
    const auto* rects = reinterpret_cast<const RECT*>(data->Buffer);
    long long area = 0;
    for (DWORD i = 0; i < data->rdh.nCount; ++i) {
        area += static_cast<long long>(rects[i].right - rects[i].left) *
                (rects[i].bottom - rects[i].top);
    }
    return area;
}

TEST(ReadBitmapPixels, GivesTopDownBgrRowsWithoutFiller) {
    Owned<HBITMAP> bitmap(NewColourBitmap(6, 3, kStone));  // 6 wide: read as 4 columns
    SetPixelOf(bitmap, 0, 0, RGB(1, 2, 3));
    SetPixelOf(bitmap, 3, 2, RGB(10, 20, 30));
    WORD width = 99, height = 99;
    const auto pixels = ReadBitmapPixels(bitmap, width, height);
    ASSERT_NE(pixels, nullptr);
    EXPECT_EQ(width, 4);
    EXPECT_EQ(height, 3);
    EXPECT_EQ(pixels[0], 3);  // blue, green, red of the top-left pixel
    EXPECT_EQ(pixels[1], 2);
    EXPECT_EQ(pixels[2], 1);
    const std::size_t last = (2 * 4 + 3) * 3;  // row 2, column 3: rows are exactly 4 x 3 bytes
    EXPECT_EQ(pixels[last], 30);
    EXPECT_EQ(pixels[last + 2], 10);
}

TEST(ReadBitmapPixels, NothingForSomethingThatIsNoBitmap) {
    WORD width = 7, height = 7;
    EXPECT_EQ(ReadBitmapPixels(nullptr, width, height), nullptr);
    EXPECT_EQ(CreateRegionFromBitmap(nullptr, 255, 0, 255), nullptr);
}

struct KeyCase {
    const char* name;
    int width;
    int height;
    std::vector<POINT> keyPixels;
    std::vector<POINT> nearKeyPixels;  // RGB(255, 0, 254): not the key
    long long area;
    int boxRight;
};

class RegionFromBitmapTest : public ::testing::TestWithParam<KeyCase> {};

TEST_P(RegionFromBitmapTest, LeavesOutExactlyTheKeyPixels) {
    const KeyCase& c = GetParam();
    Owned<HBITMAP> bitmap(NewColourBitmap(c.width, c.height, kStone));
    for (const POINT p : c.keyPixels) SetPixelOf(bitmap, p.x, p.y, kMagenta);
    for (const POINT p : c.nearKeyPixels) SetPixelOf(bitmap, p.x, p.y, RGB(255, 0, 254));

    Owned<HRGN> region(CreateRegionFromBitmap(bitmap, 255, 0, 255));
    ASSERT_NE(region.get(), nullptr);
    EXPECT_EQ(AreaOf(region), c.area);
    RECT box{};
    GetRgnBox(region, &box);
    EXPECT_LE(box.right, c.boxRight);
    for (const POINT p : c.keyPixels)
        EXPECT_FALSE(PtInRegion(region, p.x, p.y)) << p.x << "," << p.y;
    for (const POINT p : c.nearKeyPixels)
        EXPECT_TRUE(PtInRegion(region, p.x, p.y)) << p.x << "," << p.y;
}

INSTANTIATE_TEST_SUITE_P(
    Bitmaps, RegionFromBitmapTest,
    ::testing::Values(
        KeyCase{"no_key_pixel_gives_the_full_rectangle", 420, 520, {}, {}, 420 * 520, 420},
        KeyCase{"corner_and_inner_pixels", 8, 4, {{0, 0}, {7, 3}, {3, 1}}, {}, 32 - 3, 8},
        KeyCase{"near_key_colour_stays", 8, 2, {}, {{1, 1}, {4, 0}}, 16, 8},
        KeyCase{"width_458_reads_as_456", 458, 10, {}, {}, 456 * 10, 456},
        KeyCase{"key_in_the_cut_columns_changes_nothing", 10, 2, {{8, 0}, {9, 1}}, {}, 16, 8}),
    [](const ::testing::TestParamInfo<KeyCase>& row) { return std::string(row.param.name); });

TEST(CreateRegionFromBitmap, OnlyTheRegionItselfStaysAllocated) {
    Owned<HBITMAP> bitmap(NewColourBitmap(64, 48, kStone));
    for (int i = 0; i < 48; ++i) SetPixelOf(bitmap, i, i, kMagenta);
    const std::size_t objectsBefore = LiveObjectCount();
    // Wine's GetGuiResources counts nothing; Windows and the project's own GDI do.
    if (objectsBefore == 0) GTEST_SKIP() << "this system does not count its GDI objects";

    Owned<HRGN> region(CreateRegionFromBitmap(bitmap, 255, 0, 255));
    ASSERT_NE(region.get(), nullptr);
    EXPECT_EQ(LiveObjectCount(), objectsBefore + 1) << "one pixel region per key pixel leaked";
}

TEST(CreateRegionFromBitmap, AnOutlineOfKeyPixelsLeavesTheBody) {
    // A frame one pixel wide at the top and left, three at the right and bottom.
    const int width = 40, height = 30;
    Owned<HBITMAP> bitmap(NewColourBitmap(width, height, kStone));
    int keys = 0;
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            if (x == 0 || y == 0 || x >= width - 3 || y >= height - 3) {
                SetPixelOf(bitmap, x, y, kMagenta);
                ++keys;
            }
        }
    }
    Owned<HRGN> region(CreateRegionFromBitmap(bitmap, 255, 0, 255));
    Owned<HRGN> body(CreateRectRgn(1, 1, width - 3, height - 3));
    EXPECT_TRUE(EqualRgn(region, body));
    EXPECT_EQ(AreaOf(region), width * height - keys);
}

struct BackgroundCase {
    int id;
    long long area;
};

class SkinBackgroundTest : public ::testing::TestWithParam<BackgroundCase> {};

TEST_P(SkinBackgroundTest, TheEmbeddedBackgroundGivesItsOutline) {
    Owned<HBITMAP> bitmap(LoadBitmap(GetModuleHandle(nullptr), MAKEINTRESOURCE(GetParam().id)));
    ASSERT_NE(bitmap.get(), nullptr) << "bitmap " << GetParam().id << " is not embedded";
    Owned<HRGN> region(CreateRegionFromBitmap(bitmap, 255, 0, 255));
    ASSERT_NE(region.get(), nullptr);
    EXPECT_EQ(AreaOf(region), GetParam().area);
}

// The main window keeps its 452 x 649 body less the rounded corners; pages stay whole.
INSTANTIATE_TEST_SUITE_P(Skin, SkinBackgroundTest,
                         ::testing::Values(BackgroundCase{152, 293266},
                                           BackgroundCase{153, 420 * 520},
                                           BackgroundCase{154, 420 * 520},
                                           BackgroundCase{155, 420 * 520}));

TEST(SkinBackground, TheMainOutlineHasItsBodyAtOneOne) {
    Owned<HBITMAP> bitmap(LoadBitmap(GetModuleHandle(nullptr), MAKEINTRESOURCE(152)));
    Owned<HRGN> region(CreateRegionFromBitmap(bitmap, 255, 0, 255));
    RECT box{};
    GetRgnBox(region, &box);
    EXPECT_EQ(box.left, 1);
    EXPECT_EQ(box.top, 1);
    EXPECT_EQ(box.right, 453);
    EXPECT_EQ(box.bottom, 650);
    EXPECT_FALSE(PtInRegion(region, 1, 1)) << "the rounded corner is cut";
    EXPECT_TRUE(PtInRegion(region, 228, 1));
    EXPECT_TRUE(PtInRegion(region, 228, 326));
}

}  // namespace
}  // namespace keldra::skin
