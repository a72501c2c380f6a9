#include <gtest/gtest.h>

#include "pages/DisplayModeList.h"

namespace keldra::pages {
namespace {

TEST(DisplayModeList, ListsTheEightModesInOrder) {
    const std::wstring_view labels[] = {L"800x600(4:3)",     L"1024x768(4:3)",   L"1280x720(16:9)",
                                        L"1280x1024(4:3)",   L"1360x768(16:10)", L"1600x900(16:9)",
                                        L"1680x1050(16:10)", L"1920x1200(16:10)"};
    const auto& modes = DisplayModeList::Modes();
    ASSERT_EQ(modes.size(), 8u);
    for (std::size_t i = 0; i < modes.size(); ++i) {
        EXPECT_EQ(modes[i].label, labels[i]) << i;
        // Every row maps back to itself: no two rows share a size.
        EXPECT_EQ(DisplayModeList::FindDisplayMode(modes[i].width, modes[i].height),
                  static_cast<int>(i));
    }
}

struct SizeCase {
    int width;
    int height;
    int index;
};

class FindDisplayModeTest : public ::testing::TestWithParam<SizeCase> {};

TEST_P(FindDisplayModeTest, OnlyAnExactPairSelectsItsMode) {
    const SizeCase& c = GetParam();
    EXPECT_EQ(DisplayModeList::FindDisplayMode(c.width, c.height), c.index)
        << c.width << "x" << c.height;
}

INSTANTIATE_TEST_SUITE_P(Sizes, FindDisplayModeTest,
                         ::testing::Values(SizeCase{1024, 768, 1}, SizeCase{1024, 600, 1},
                                           SizeCase{1280, 1024, 3}, SizeCase{1280, 720, 2},
                                           SizeCase{1280, 960, 1}, SizeCase{1366, 768, 1},
                                           SizeCase{800, 768, 1}, SizeCase{800, 600, 0},
                                           SizeCase{1920, 1080, 1}, SizeCase{1920, 1200, 7},
                                           SizeCase{1360, 768, 4}, SizeCase{0, 0, 1},
                                           SizeCase{-800, -600, 1}));

TEST(DisplayModeList, WidthAndHeightOfEveryIndex) {
    const int widths[] = {800, 1024, 1280, 1280, 1360, 1600, 1680, 1920};
    const int heights[] = {600, 768, 720, 1024, 768, 900, 1050, 1200};
    for (int i = 0; i < 8; ++i) {
        EXPECT_EQ(DisplayModeList::WidthOf(i), widths[i]);
        EXPECT_EQ(DisplayModeList::HeightOf(i), heights[i]);
    }
    EXPECT_FALSE(DisplayModeList::IsValidIndex(-1));
    EXPECT_FALSE(DisplayModeList::IsValidIndex(8));
    EXPECT_TRUE(DisplayModeList::IsValidIndex(DisplayModeList::kFallbackIndex));
}

}  // namespace
}  // namespace keldra::pages
