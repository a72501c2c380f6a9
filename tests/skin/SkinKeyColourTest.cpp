// The key-colour pixels that carry behaviour: the main window's outline in magenta, none
// on the pages, and the transparent surroundings of the slider thumb in pure green. No
// other pixel may come close to a key colour, or a regenerated skin could punch holes.
#include <gtest/gtest.h>

#include <cstdlib>
#include <queue>
#include <stdexcept>
#include <string>
#include <vector>

#include "BmpImage.h"
#include "SkinResource.h"

namespace keldra::test {
namespace {

constexpr Rgb kMagenta{255, 0, 255};
constexpr Rgb kGreen{0, 255, 0};

BmpImage Load(int id) {
    const auto image = BmpImage::Parse(SkinResource::Bytes(id, RT_BITMAP));
    if (!image) throw std::runtime_error("bitmap " + std::to_string(id) + " missing or damaged");
    return *image;
}

int Count(const BmpImage& image, Rgb colour) {
    int count = 0;
    for (int y = 0; y < image.Height(); ++y) {
        for (int x = 0; x < image.Width(); ++x) count += image.At(x, y) == colour ? 1 : 0;
    }
    return count;
}

// Pixels that differ from the key but by at most `margin` in every channel.
int CountNear(const BmpImage& image, Rgb key, int margin) {
    const auto near = [margin](int a, int b) { return std::abs(a - b) <= margin; };
    int count = 0;
    for (int y = 0; y < image.Height(); ++y) {
        for (int x = 0; x < image.Width(); ++x) {
            const Rgb p = image.At(x, y);
            count += p != key && near(p.r, key.r) && near(p.g, key.g) && near(p.b, key.b) ? 1 : 0;
        }
    }
    return count;
}

// ---- Bitmap 152: the window outline -------------------------------------------------

constexpr int kBodyLeft = 1;
constexpr int kBodyTop = 1;
constexpr int kBodyRight = 453;   // exclusive
constexpr int kBodyBottom = 650;  // exclusive
constexpr int kCornerReach = 10;  // how far a rounded corner may cut along an edge

struct BodyCorner {
    const char* name;
    int x;  // the body's corner pixel
    int y;
    int dx;  // step from that corner into the body
    int dy;
};

constexpr BodyCorner kCorners[] = {
    {"top-left", kBodyLeft, kBodyTop, 1, 1},
    {"top-right", kBodyRight - 1, kBodyTop, -1, 1},
    {"bottom-left", kBodyLeft, kBodyBottom - 1, 1, -1},
    {"bottom-right", kBodyRight - 1, kBodyBottom - 1, -1, -1},
};

bool InCornerZone(int x, int y) {
    for (const BodyCorner& c : kCorners) {
        const int along = (x - c.x) * c.dx;
        const int down = (y - c.y) * c.dy;
        if (along >= 0 && down >= 0 && along < kCornerReach && down < kCornerReach) return true;
    }
    return false;
}

TEST(WindowOutline, HoldsExactly4502MagentaPixels) {
    EXPECT_EQ(Count(Load(152), kMagenta), 4502);
}

TEST(WindowOutline, EdgeRowsAndColumnsAreAllMagenta) {
    const BmpImage image = Load(152);
    int edge = 0;
    int wrong = 0;
    for (int y = 0; y < image.Height(); ++y) {
        for (int x = 0; x < image.Width(); ++x) {
            if (y >= kBodyTop && y < kBodyBottom && x >= kBodyLeft && x < kBodyRight) continue;
            ++edge;
            wrong += image.At(x, y) == kMagenta ? 0 : 1;
        }
    }
    EXPECT_EQ(edge, 456 * 4 + 653 * 4 - 16);
    EXPECT_EQ(wrong, 0);
}

TEST(WindowOutline, BodyHasNoMagentaOutsideItsCorners) {
    const BmpImage image = Load(152);
    int stray = 0;
    for (int y = kBodyTop; y < kBodyBottom; ++y) {
        for (int x = kBodyLeft; x < kBodyRight; ++x) {
            if (!InCornerZone(x, y) && image.At(x, y) == kMagenta) ++stray;
        }
    }
    EXPECT_EQ(stray, 0);
}

class RoundedCorner : public ::testing::TestWithParam<BodyCorner> {};

// Each corner is cut by a convex arc: the cut pixels form a staircase hugging the
// corner (every cut pixel's neighbours towards the corner are cut too), reaching about
// seven pixels along both edges, and the body's corner pixel itself is cut.
TEST_P(RoundedCorner, IsCutByAStaircaseOfAboutSevenPixels) {
    const BodyCorner c = GetParam();
    const BmpImage image = Load(152);
    const auto cut = [&](int along, int down) {
        return image.At(c.x + along * c.dx, c.y + down * c.dy) == kMagenta;
    };
    int count = 0;
    int reachAlong = 0;
    int reachDown = 0;
    for (int down = 0; down < kCornerReach; ++down) {
        for (int along = 0; along < kCornerReach; ++along) {
            if (!cut(along, down)) continue;
            ++count;
            reachAlong = std::max(reachAlong, along + 1);
            reachDown = std::max(reachDown, down + 1);
            if (along > 0) {
                EXPECT_TRUE(cut(along - 1, down)) << "gap at " << along << "," << down;
            }
            if (down > 0) {
                EXPECT_TRUE(cut(along, down - 1)) << "gap at " << along << "," << down;
            }
        }
    }
    EXPECT_TRUE(cut(0, 0));
    EXPECT_GE(reachAlong, 6);
    EXPECT_LE(reachAlong, 9);
    EXPECT_GE(reachDown, 6);
    EXPECT_LE(reachDown, 9);
    EXPECT_GE(count, 15);
    EXPECT_LE(count, 25);
}

INSTANTIATE_TEST_SUITE_P(Body, RoundedCorner, ::testing::ValuesIn(kCorners), [](const auto& row) {
    std::string name = row.param.name;
    std::erase(name, '-');
    return name;
});

// ---- Key colours where they must not be ---------------------------------------------

struct KeyRule {
    int id;
    Rgb key;
    int keyPixels;
};

class KeyColourCount : public ::testing::TestWithParam<KeyRule> {};

TEST_P(KeyColourCount, HasExactlyItsKeyPixelsAndNoNearMisses) {
    const KeyRule rule = GetParam();
    const BmpImage image = Load(rule.id);
    EXPECT_EQ(Count(image, rule.key), rule.keyPixels);
    EXPECT_EQ(CountNear(image, rule.key, 3), 0)
        << "colours within 3 of the key read as art but look like it";
}

INSTANTIATE_TEST_SUITE_P(Skin, KeyColourCount,
                         ::testing::Values(KeyRule{152, kMagenta, 4502}, KeyRule{153, kMagenta, 0},
                                           KeyRule{154, kMagenta, 0}, KeyRule{155, kMagenta, 0},
                                           KeyRule{160, kGreen, 99}),
                         [](const auto& row) { return "Bitmap" + std::to_string(row.param.id); });

// The thumb's green is its surroundings: every green pixel is reached from the image's
// edge through green pixels, so none sits inside the gem as a hole.
TEST(SliderThumb, GreenPixelsAllLieOutsideTheGem) {
    const BmpImage image = Load(160);
    std::vector<bool> seen(std::size_t(image.Width() * image.Height()), false);
    std::queue<std::pair<int, int>> open;
    const auto visit = [&](int x, int y) {
        if (x < 0 || y < 0 || x >= image.Width() || y >= image.Height()) return;
        const std::size_t i = std::size_t(y * image.Width() + x);
        if (seen[i] || image.At(x, y) != kGreen) return;
        seen[i] = true;
        open.push({x, y});
    };
    for (int x = 0; x < image.Width(); ++x) {
        visit(x, 0);
        visit(x, image.Height() - 1);
    }
    for (int y = 0; y < image.Height(); ++y) {
        visit(0, y);
        visit(image.Width() - 1, y);
    }
    int reached = 0;
    while (!open.empty()) {
        const auto [x, y] = open.front();
        open.pop();
        ++reached;
        visit(x + 1, y);
        visit(x - 1, y);
        visit(x, y + 1);
        visit(x, y - 1);
    }
    EXPECT_EQ(reached, Count(image, kGreen));
    EXPECT_NE(image.At(image.Width() / 2, image.Height() / 2), kGreen);
}

}  // namespace
}  // namespace keldra::test
