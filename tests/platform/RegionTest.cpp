#include <gtest/gtest.h>

#include <array>
#include <cstring>
#include <random>
#include <vector>

#include "GdiTestSupport.h"

namespace keldra::platform::gdi::testing {
namespace {

long long AreaOf(HRGN region) {
    long long area = 0;
    for (const Rect& r : RegionOf(region)->Rects()) area += 1LL * r.Width() * r.Height();
    return area;
}

struct CombineCase {
    const char* name;
    int mode;
    RECT a, b;
    int expectedKind;
    long long expectedArea;
    std::vector<POINT> inside, outside;
};

class CombineRgnTest : public ::testing::TestWithParam<CombineCase> {};

TEST_P(CombineRgnTest, GivesAreaKindAndMembers) {
    const CombineCase& c = GetParam();
    Owned<HRGN> a(CreateRectRgnIndirect(&c.a));
    Owned<HRGN> b(CreateRectRgnIndirect(&c.b));
    Owned<HRGN> result(CreateRectRgn(0, 0, 0, 0));
    EXPECT_EQ(CombineRgn(result, a, b, c.mode), c.expectedKind);
    EXPECT_EQ(AreaOf(result), c.expectedArea);
    for (const POINT& p : c.inside) EXPECT_TRUE(PtInRegion(result, p.x, p.y)) << p.x << "," << p.y;
    for (const POINT& p : c.outside)
        EXPECT_FALSE(PtInRegion(result, p.x, p.y)) << p.x << "," << p.y;
}

// a = (0,0)-(10,10), b = (5,5)-(15,15): they share the square (5,5)-(10,10).
INSTANTIATE_TEST_SUITE_P(
    Modes, CombineRgnTest,
    ::testing::Values(
        CombineCase{"And",
                    RGN_AND,
                    {0, 0, 10, 10},
                    {5, 5, 15, 15},
                    SIMPLEREGION,
                    25,
                    {{5, 5}, {9, 9}},
                    {{4, 5}, {10, 9}, {9, 10}}},
        CombineCase{"Or",
                    RGN_OR,
                    {0, 0, 10, 10},
                    {5, 5, 15, 15},
                    COMPLEXREGION,
                    175,
                    {{0, 0}, {14, 14}, {9, 4}},
                    {{10, 4}, {4, 10}, {15, 15}}},
        CombineCase{"Xor",
                    RGN_XOR,
                    {0, 0, 10, 10},
                    {5, 5, 15, 15},
                    COMPLEXREGION,
                    150,
                    {{0, 0}, {14, 14}, {4, 9}},
                    {{5, 5}, {9, 9}, {15, 0}}},
        CombineCase{"Diff",
                    RGN_DIFF,
                    {0, 0, 10, 10},
                    {5, 5, 15, 15},
                    COMPLEXREGION,
                    75,
                    {{0, 0}, {9, 4}, {4, 9}},
                    {{5, 5}, {14, 14}}},
        CombineCase{"Copy",
                    RGN_COPY,
                    {0, 0, 10, 10},
                    {5, 5, 15, 15},
                    SIMPLEREGION,
                    100,
                    {{0, 0}, {9, 9}},
                    {{10, 10}, {-1, 0}}},
        CombineCase{"DisjointAnd",
                    RGN_AND,
                    {0, 0, 2, 2},
                    {2, 0, 4, 2},
                    NULLREGION,
                    0,
                    {},
                    {{1, 1}, {2, 1}}},
        CombineCase{"SideBySideOrMerges",
                    RGN_OR,
                    {0, 0, 2, 2},
                    {2, 0, 4, 2},
                    SIMPLEREGION,
                    8,
                    {{3, 1}},
                    {{4, 1}}},
        CombineCase{"StackedOrMerges",
                    RGN_OR,
                    {0, 0, 4, 2},
                    {0, 2, 4, 5},
                    SIMPLEREGION,
                    20,
                    {{0, 4}},
                    {{0, 5}}},
        CombineCase{
            "DiffEverything", RGN_DIFF, {1, 1, 3, 3}, {0, 0, 4, 4}, NULLREGION, 0, {}, {{1, 1}}}),
    [](const auto& p) { return std::string(p.param.name); });

TEST(Region, EdgesAreHalfOpen) {
    Owned<HRGN> region(CreateRectRgn(2, 3, 6, 8));
    EXPECT_TRUE(PtInRegion(region, 2, 3));
    EXPECT_TRUE(PtInRegion(region, 5, 7));
    EXPECT_FALSE(PtInRegion(region, 6, 7));
    EXPECT_FALSE(PtInRegion(region, 5, 8));
    EXPECT_FALSE(PtInRegion(region, 1, 3));
    EXPECT_FALSE(PtInRegion(region, 2, 2));
}

TEST(Region, XorOfAnInsidePixelRemovesItAndOfItAgainPutsItBack) {
    Owned<HRGN> region(CreateRectRgn(0, 0, 5, 5));
    Owned<HRGN> pixel(CreateRectRgn(2, 2, 3, 3));
    EXPECT_EQ(CombineRgn(region, region, pixel, RGN_XOR), COMPLEXREGION);
    EXPECT_FALSE(PtInRegion(region, 2, 2));
    EXPECT_TRUE(PtInRegion(region, 1, 2));
    EXPECT_TRUE(PtInRegion(region, 3, 2));
    EXPECT_TRUE(PtInRegion(region, 2, 1));
    EXPECT_EQ(AreaOf(region), 24);
    EXPECT_EQ(CombineRgn(region, region, pixel, RGN_XOR), SIMPLEREGION);
    EXPECT_EQ(AreaOf(region), 25);
}

TEST(Region, EqualAreasBuiltDifferentlyAreEqual) {
    Owned<HRGN> whole(CreateRectRgn(0, 0, 4, 3));
    Owned<HRGN> pieces(CreateRectRgn(0, 0, 0, 0));
    for (int y = 0; y < 3; ++y) {
        for (int x = 3; x >= 0; --x) {
            Owned<HRGN> pixel(CreateRectRgn(x, y, x + 1, y + 1));
            CombineRgn(pieces, pieces, pixel, RGN_OR);
        }
    }
    EXPECT_TRUE(EqualRgn(whole, pieces));
    EXPECT_EQ(RegionOf(pieces)->RectCount(), 1u);
    Owned<HRGN> other(CreateRectRgn(0, 0, 4, 4));
    EXPECT_FALSE(EqualRgn(whole, other));
}

// The shape of a skin background: a frame of key pixels and cut corners, removed from the
// full rectangle one pixel at a time with XOR, as the region builder will do.
TEST(Region, PixelByPixelXorBuildsTheFramedBody) {
    constexpr int kW = 40, kH = 30;
    auto isKey = [](int x, int y) {
        if (y == 0 || y >= kH - 3 || x == 0 || x >= kW - 3) return true;
        return (x == 1 && y == 1) || (x == kW - 4 && y == kH - 4);
    };
    Owned<HRGN> region(CreateRectRgn(0, 0, kW, kH));
    int keys = 0;
    for (int y = 0; y < kH; ++y) {
        for (int x = 0; x < kW; ++x) {
            if (!isKey(x, y)) continue;
            ++keys;
            Owned<HRGN> pixel(CreateRectRgn(x, y, x + 1, y + 1));
            CombineRgn(region, region, pixel, RGN_XOR);
        }
    }
    EXPECT_EQ(AreaOf(region), kW * kH - keys);
    for (int y = 0; y < kH; ++y) {
        for (int x = 0; x < kW; ++x) {
            ASSERT_EQ(PtInRegion(region, x, y) != FALSE, !isKey(x, y)) << x << "," << y;
        }
    }
    RECT box;
    EXPECT_EQ(GetRgnBox(region, &box), COMPLEXREGION);
    EXPECT_EQ(box.left, 1);
    EXPECT_EQ(box.top, 1);
    EXPECT_EQ(box.right, kW - 3);
    EXPECT_EQ(box.bottom, kH - 3);
}

// Random combinations checked pixel by pixel against a plain grid of booleans, and the
// result's form checked against the same area rebuilt row by row (equal areas must have
// equal forms for EqualRgn to work).
TEST(Region, MatchesAPixelModelUnderRandomCombinations) {
    constexpr int kSize = 24;
    using Grid = std::array<std::array<bool, kSize>, kSize>;
    std::mt19937 random(12345);
    auto coordinate = [&] { return static_cast<int>(random() % (kSize + 1)); };
    Grid model{};
    Owned<HRGN> region(CreateRectRgn(0, 0, 0, 0));
    const int modes[] = {RGN_AND, RGN_OR, RGN_XOR, RGN_DIFF};
    for (int step = 0; step < 400; ++step) {
        const RECT r{coordinate(), coordinate(), coordinate(), coordinate()};
        const int mode = modes[random() % 4];
        Owned<HRGN> operand(CreateRectRgnIndirect(&r));
        const int kind = CombineRgn(region, region, operand, mode);
        const Rect rect = Rect::Normalized(r.left, r.top, r.right, r.bottom);
        Owned<HRGN> rebuilt(CreateRectRgn(0, 0, 0, 0));
        for (int y = 0; y < kSize; ++y) {
            for (int x = 0; x < kSize; ++x) {
                const bool inB = rect.Contains({x, y});
                bool& in = model[y][x];
                switch (mode) {
                    case RGN_AND:
                        in = in && inB;
                        break;
                    case RGN_OR:
                        in = in || inB;
                        break;
                    case RGN_XOR:
                        in = in != inB;
                        break;
                    case RGN_DIFF:
                        in = in && !inB;
                        break;
                }
                ASSERT_EQ(PtInRegion(region, x, y) != FALSE, in)
                    << "step " << step << " at " << x << "," << y;
                if (!in) continue;
                Owned<HRGN> pixel(CreateRectRgn(x, y, x + 1, y + 1));
                CombineRgn(rebuilt, rebuilt, pixel, RGN_OR);
            }
        }
        ASSERT_TRUE(EqualRgn(region, rebuilt)) << "step " << step;
        ASSERT_EQ(kind, RegionOf(region)->IsEmpty()          ? NULLREGION
                        : RegionOf(region)->RectCount() == 1 ? SIMPLEREGION
                                                             : COMPLEXREGION);
    }
}

// A region combined into itself is updated where the operand lies, not rebuilt; it must
// come out in exactly the form a combination into a fresh region gives.
TEST(Region, CombiningIntoItselfGivesTheSameFormAsIntoAFreshRegion) {
    std::mt19937 random(777);
    for (const RegionOp op : {RegionOp::Or, RegionOp::Xor, RegionOp::Diff}) {
        Region inPlace(Rect{0, 0, 30, 30});
        Region reference = inPlace;
        for (int step = 0; step < 3000; ++step) {
            const int x = static_cast<int>(random() % 34) - 2;
            const int y = static_cast<int>(random() % 34) - 2;
            // Mostly single pixels, as a region builder makes them; now and then a block.
            const int size = step % 7 == 0 ? static_cast<int>(random() % 6) + 1 : 1;
            const Region operand(Rect{x, y, x + size, y + size});
            const RegionOp thisOp = step % 5 == 0 ? RegionOp::Xor : op;
            Region::Combine(inPlace, operand, thisOp, inPlace);
            Region fresh;
            Region::Combine(reference, operand, thisOp, fresh);
            reference = fresh;
            ASSERT_TRUE(inPlace == reference) << "step " << step;
        }
    }
}

TEST(Region, OffsetMovesEveryPixel) {
    Owned<HRGN> region(CreateRectRgn(0, 0, 2, 2));
    Owned<HRGN> other(CreateRectRgn(5, 5, 6, 6));
    CombineRgn(region, region, other, RGN_OR);
    EXPECT_EQ(OffsetRgn(region, -10, 3), COMPLEXREGION);
    EXPECT_TRUE(PtInRegion(region, -10, 3));
    EXPECT_TRUE(PtInRegion(region, -5, 8));
    EXPECT_FALSE(PtInRegion(region, 0, 0));
    EXPECT_EQ(OffsetRgn(region, 0x7FFFFFFF, 0), ERROR);
    EXPECT_TRUE(PtInRegion(region, -10, 3));
}

TEST(Region, RegionDataListsTheRectanglesBandByBand) {
    Owned<HRGN> region(CreateRectRgn(0, 0, 4, 4));
    Owned<HRGN> hole(CreateRectRgn(1, 1, 3, 3));
    CombineRgn(region, region, hole, RGN_DIFF);
    const DWORD size = GetRegionData(region, 0, nullptr);
    ASSERT_EQ(size, sizeof(RGNDATAHEADER) + 4 * sizeof(RECT));
    std::vector<unsigned char> buffer(size);
    auto* data = reinterpret_cast<RGNDATA*>(buffer.data());
    EXPECT_EQ(GetRegionData(region, size - 1, data), size);  // too small: size only
    ASSERT_EQ(GetRegionData(region, size, data), size);
    EXPECT_EQ(data->rdh.nCount, 4u);
    EXPECT_EQ(data->rdh.iType, static_cast<DWORD>(RDH_RECTANGLES));
    std::vector<RECT> rects(4);
    std::memcpy(rects.data(), buffer.data() + sizeof(RGNDATAHEADER), 4 * sizeof(RECT));
    const RECT expected[] = {{0, 0, 4, 1}, {0, 1, 1, 3}, {3, 1, 4, 3}, {0, 3, 4, 4}};
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(rects[i].left, expected[i].left) << i;
        EXPECT_EQ(rects[i].top, expected[i].top) << i;
        EXPECT_EQ(rects[i].right, expected[i].right) << i;
        EXPECT_EQ(rects[i].bottom, expected[i].bottom) << i;
    }
}

TEST(Region, BadHandlesAndModesGiveError) {
    Owned<HRGN> region(CreateRectRgn(0, 0, 2, 2));
    EXPECT_EQ(CombineRgn(region, region, nullptr, RGN_OR), ERROR);
    EXPECT_EQ(CombineRgn(region, region, region, 42), ERROR);
    EXPECT_EQ(CombineRgn(nullptr, region, region, RGN_OR), ERROR);
    RECT box;
    EXPECT_EQ(GetRgnBox(nullptr, &box), ERROR);
    EXPECT_FALSE(PtInRegion(nullptr, 0, 0));
    // Reversed corners are put in order, as the platform does.
    Owned<HRGN> reversed(CreateRectRgn(4, 4, 0, 0));
    EXPECT_EQ(GetRgnBox(reversed, &box), SIMPLEREGION);
    EXPECT_EQ(box.left, 0);
    EXPECT_EQ(box.bottom, 4);
}

}  // namespace
}  // namespace keldra::platform::gdi::testing
