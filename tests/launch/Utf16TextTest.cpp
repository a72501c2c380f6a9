// Names and arguments as Windows hands them over, in UTF-16 that need not be well-formed:
// which are text, and how a message shows any of them.
#include <gtest/gtest.h>

#include <ostream>
#include <string>

#include "launch/ProgramArgument.h"
#include "launch/Utf16Text.h"
#include "support/ParamName.h"

namespace keldra::launch {

namespace {

struct Utf16Case {
    const char* name;
    std::wstring units;  // UTF-16 code units, one in each wchar_t, as Windows keeps them
    bool wellFormed;
    std::string shown;  // UTF-8
};

void PrintTo(const Utf16Case& row, std::ostream* out) {
    *out << row.name;
}

const std::string kReplacement = "\xEF\xBF\xBD";

class Utf16TextTest : public ::testing::TestWithParam<Utf16Case> {};

TEST_P(Utf16TextTest, IsTextOnlyWhenWellFormedAndAlwaysShowsAsUtf8) {
    EXPECT_EQ(Utf16Text::IsWellFormed(GetParam().units), GetParam().wellFormed);
    EXPECT_EQ(Utf16Text::ToUtf8(GetParam().units), GetParam().shown);
}

INSTANTIATE_TEST_SUITE_P(
    Units, Utf16TextTest,
    ::testing::Values(
        Utf16Case{"Empty", L"", true, ""},
        Utf16Case{"Ascii", L"C:\\Games\\Keldra", true, "C:\\Games\\Keldra"},
        Utf16Case{"LastOneByteAndFirstTwoByte", {0x7F, 0x80}, true, "\x7F\xC2\x80"},
        Utf16Case{"LastTwoByteAndFirstThreeByte", {0x7FF, 0x800}, true, "\xDF\xBF\xE0\xA0\x80"},
        Utf16Case{"LatinAndEuro", {L'c', 0xE9, 0x20AC}, true, "c\xC3\xA9\xE2\x82\xAC"},
        Utf16Case{
            "HangulAndTheLastOfTheBasicPlane", {0xD55C, 0xFFFF}, true, "\xED\x95\x9C\xEF\xBF\xBF"},
        Utf16Case{"APair", {0xD83D, 0xDE00}, true, "\xF0\x9F\x98\x80"},
        Utf16Case{"TheFirstAndLastPairs",
                  {0xD800, 0xDC00, 0xDBFF, 0xDFFF},
                  true,
                  "\xF0\x90\x80\x80\xF4\x8F\xBF\xBF"},
        Utf16Case{"AHighSurrogateAtTheEnd", {L'a', 0xD83D}, false, "a" + kReplacement},
        Utf16Case{"AHighSurrogateBeforeText", {0xDBFF, L'a', L'b'}, false, kReplacement + "ab"},
        Utf16Case{"TwoHighSurrogates",
                  {0xD83D, 0xD83D, 0xDE00},
                  false,
                  kReplacement + "\xF0\x9F\x98\x80"},
        Utf16Case{"ALowSurrogateAlone", {L'x', 0xDC00, L'y'}, false, "x" + kReplacement + "y"},
        Utf16Case{"APairTheWrongWayRound", {0xDE00, 0xD83D}, false, kReplacement + kReplacement}),
    keldra::testing::ParamName<Utf16Case>);

// Options are ASCII; an argument is one only when every character matches, whatever the
// system's form of arguments.
TEST(ProgramArgumentTest, AnOptionMatchesOnlyWhole) {
    const ArgumentChar help[] = {'-', '-', 'h', 'e', 'l', 'p', 0};
    EXPECT_TRUE(IsOption(help, "--help"));
    EXPECT_FALSE(IsOption(help, "--hel"));
    EXPECT_FALSE(IsOption(help, "--helps"));
    EXPECT_FALSE(IsOption(help, "--HELP"));
    EXPECT_FALSE(IsOption(ArgumentView(help, 5), "--help"));
    EXPECT_TRUE(IsOption(ArgumentView(), ""));
}

}  // namespace

}  // namespace keldra::launch
