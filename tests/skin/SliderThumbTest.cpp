// Where the skinned slider draws its thumb, and where a press on it reaches the trackbar.
#include <gtest/gtest.h>
#include <windows.h>

#include "skin/SliderThumb.h"

namespace keldra::skin {
namespace {

struct ThumbCase {
    int clientRight;
    int position;
    int maximum;
    int left;
};

TEST(SliderThumbTest, TheLeftEdgeScalesThePositionAndPullsBackNearTheRightEnd) {
    const ThumbCase cases[] = {
        {162, 0, 4100, 0},      {162, 1000, 4100, 37},  {162, 2000, 4100, 74},
        {162, 3000, 4100, 111}, {162, 4000, 4100, 143}, {162, 4100, 4100, 146},
        {162, 2000, 2100, 144}, {162, 2100, 2100, 146}, {162, 6300, 6300, 146},
        {162, 3971, 4100, 147},  // 147 is the last place not pulled back
        {162, 3998, 4100, 143},  // 148 becomes 143
    };
    for (const ThumbCase& c : cases) {
        EXPECT_EQ(SliderThumbLeft(c.clientRight, c.position, 0, c.maximum), c.left)
            << c.position << " of 0-" << c.maximum;
    }
}

TEST(SliderThumbTest, AnEmptySpanPutsTheThumbAtTheLeft) {
    EXPECT_EQ(SliderThumbLeft(162, 100, 0, -5), 0);
}

struct PressCase {
    const char* what;
    RECT trackbarThumb;
    POINT press;
    POINT reaches;
};

TEST(TrackbarPressPointTest, PressesOnTheDrawnThumbGrabAndBesideItPage) {
    // The drawn thumb covers columns 100 to 116 and rows 0 to 19.
    const RECT drawn{100, 0, 117, 20};
    const RECT leftOfIt{95, 2, 106, 18};
    const RECT rightOfIt{110, 2, 121, 18};
    const PressCase cases[] = {
        {"the drawn thumb's middle", leftOfIt, {108, 10}, {100, 10}},
        {"the drawn thumb's first column", leftOfIt, {100, 10}, {100, 10}},
        {"the drawn thumb's last pixel", leftOfIt, {116, 19}, {100, 10}},
        {"just right of the drawn thumb", leftOfIt, {117, 10}, {117, 10}},
        {"the trackbar's thumb left of the drawn one", leftOfIt, {97, 5}, {94, 5}},
        {"the trackbar's thumb right of the drawn one", rightOfIt, {119, 7}, {121, 7}},
        {"far off in the channel", leftOfIt, {50, 10}, {50, 10}},
        {"below the drawn thumb", rightOfIt, {108, 20}, {108, 20}},
    };
    for (const PressCase& c : cases) {
        const POINT reached = TrackbarPressPoint(drawn, c.trackbarThumb, c.press);
        EXPECT_EQ(reached.x, c.reaches.x) << c.what;
        EXPECT_EQ(reached.y, c.reaches.y) << c.what;
    }
}

}  // namespace
}  // namespace keldra::skin
