// How the pages turn stored numbers and switches into control states and back.
#include <gtest/gtest.h>

#include <climits>

#include "pages/SliderValue.h"

namespace keldra::pages {
namespace {

struct PositionCase {
    int stored;
    int position;
};

TEST(SliderValue, AStoredNumberShowsAtAThousandTimesItsValue) {
    const PositionCase cases[] = {
        {0, 0},
        {3, 3000},
        {-2, -2000},
        {INT_MAX / 1000, INT_MAX / 1000 * 1000},
        // Beyond the int's range the position stops at its ends instead of wrapping round.
        {INT_MAX / 1000 + 1, INT_MAX},
        {INT_MAX, INT_MAX},
        {INT_MIN / 1000, INT_MIN / 1000 * 1000},
        {INT_MIN / 1000 - 1, INT_MIN},
        {INT_MIN, INT_MIN},
    };
    for (const PositionCase& c : cases)
        EXPECT_EQ(SliderPositionOf(c.stored), c.position) << c.stored;
}

struct StoredCase {
    int position;
    int stored;
    const wchar_t* text;
};

TEST(SliderValue, APositionIsStoredTruncatedTowardZero) {
    const StoredCase cases[] = {
        {0, 0, L"0"},
        {999, 0, L"0"},
        {1000, 1, L"1"},
        {1999, 1, L"1"},
        {4100, 4, L"4"},
        {-999, 0, L"0"},
        {-1500, -1, L"-1"},
        {INT_MAX, INT_MAX / 1000, L"2147483"},
        {INT_MIN, INT_MIN / 1000, L"-2147483"},
    };
    for (const StoredCase& c : cases) {
        EXPECT_EQ(StoredNumberOf(c.position), c.stored) << c.position;
        EXPECT_EQ(StoredNumberText(c.position), c.text) << c.position;
    }
}

TEST(SliderValue, EveryStoredNumberComesBackUnchanged) {
    for (int stored = -50; stored <= 50; ++stored)
        EXPECT_EQ(StoredNumberOf(SliderPositionOf(stored)), stored);
}

struct FlagCase {
    const wchar_t* stored;
    int flag;
};

TEST(SwitchValue, OnlyTheExactWordTrueIsOn) {
    const FlagCase cases[] = {
        {L"TRUE", 1}, {L"true", 0},  {L"True", 0}, {L" TRUE", 0}, {L"TRUE ", 0},
        {L"1", 0},    {L"FALSE", 0}, {L"", 0},     {L"TRUEX", 0}, {L"YES", 0},
    };
    for (const FlagCase& c : cases) EXPECT_EQ(FlagOf(c.stored), c.flag) << '"' << c.stored << '"';
}

TEST(SwitchValue, OnIsStoredAsTrueAndEverythingElseAsFalse) {
    EXPECT_STREQ(FlagText(1), L"TRUE");
    EXPECT_STREQ(FlagText(0), L"FALSE");
    // A three-state check box's indeterminate state is not on.
    EXPECT_STREQ(FlagText(2), L"FALSE");
    EXPECT_STREQ(FlagText(-1), L"FALSE");
    EXPECT_EQ(FlagOf(FlagText(1)), 1);
    EXPECT_EQ(FlagOf(FlagText(0)), 0);
}

}  // namespace
}  // namespace keldra::pages
