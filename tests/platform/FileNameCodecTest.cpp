// File names as bytes and as the program's wide paths: every name comes back byte for byte,
// and the backslash of a name never turns into a separator.
#include <gtest/gtest.h>

#include <string>

#include "platform/kernel/FileNameCodec.h"
#include "support/ParamName.h"

namespace {

using keldra::platform::FileNameCodec;

struct NameCase {
    const char* name;
    std::string bytes;
    std::wstring wide;
};

class FileNameCodecTest : public ::testing::TestWithParam<NameCase> {};

TEST_P(FileNameCodecTest, DecodesToTheWideNameAndEncodesBackByteForByte) {
    const NameCase& c = GetParam();
    EXPECT_EQ(FileNameCodec::Decode(c.bytes), c.wide) << c.name;
    EXPECT_EQ(FileNameCodec::Encode(c.wide), c.bytes) << c.name;
}

std::string Repeat(std::string_view piece, int times) {
    std::string text;
    for (int i = 0; i < times; ++i) text += piece;
    return text;
}

std::wstring Repeat(std::wstring_view piece, int times) {
    std::wstring text;
    for (int i = 0; i < times; ++i) text += piece;
    return text;
}

INSTANTIATE_TEST_SUITE_P(
    Names, FileNameCodecTest,
    ::testing::Values(
        NameCase{"Plain", "/home/player/Keldra", L"/home/player/Keldra"},
        NameCase{"Utf8", "/games/caf\xC3\xA9/\xED\x82\xA4", L"/games/caf\u00E9/\uD0A4"},
        NameCase{"FourByteUtf8", "/\xF0\x9F\x8E\xAE", L"/\U0001F3AE"},
        NameCase{"Latin1Byte", "/games/caf\xE9", L"/games/caf\xDCE9"},
        NameCase{"BackslashInAName", "/games/game\\x", L"/games/game\xF05Cx"},
        NameCase{"NameOfBackslashesOnly", "/a/\\\\/b", L"/a/\xF05C\xF05C/b"},
        NameCase{"PrivateUseCharacterItself", "/a/\xEF\x81\x9C", L"/a/\xDCEF\xDC81\xDC9C"},
        NameCase{"EncodedSurrogate", "/\xED\xB3\xA9", L"/\xDCED\xDCB3\xDCA9"},
        NameCase{"OverlongSlash", "/\xC0\xAF", L"/\xDCC0\xDCAF"},
        NameCase{"BeyondUnicode", "\xF4\x90\x80\x80", L"\xDCF4\xDC90\xDC80\xDC80"},
        NameCase{"CutSequenceBeforeASeparator", "/\xE2\x82/x", L"/\xDCE2\xDC82/x"},
        NameCase{"LoneLeadBeforeAGoodSequence", "\xC3\xC3\xA9", L"\xDCC3\u00E9"},
        NameCase{"StrayContinuationBytes", "\x80\xBF", L"\xDC80\xDCBF"},
        NameCase{"LongNameOfLatin1Bytes", "/" + Repeat("\xE9", 255), L"/" + Repeat(L"\xDCE9", 255)},
        NameCase{"LongPathOfMixedNames", Repeat("/d\\\xE9\xC3\xA9", 1000),
                 Repeat(L"/d\xF05C\xDCE9\u00E9", 1000)}),
    keldra::testing::ParamName<NameCase>);

TEST(FileNameCodec, EveryPairOfBytesComesBack) {
    for (int first = 1; first < 256; ++first) {
        for (int second = 1; second < 256; ++second) {
            const std::string bytes{static_cast<char>(first), static_cast<char>(second)};
            const std::wstring wide = FileNameCodec::Decode(bytes);
            ASSERT_EQ(FileNameCodec::Encode(wide), bytes) << first << " " << second;
            EXPECT_EQ(wide.find(L'\\'), std::wstring::npos) << "a name byte became a separator";
        }
    }
}

TEST(FileNameCodec, TheProgramsBackslashesAreSeparators) {
    EXPECT_EQ(FileNameCodec::Encode(L"/games/game\xF05Cx\\CONFIG.INI"),
              "/games/game\\x/CONFIG.INI");
    EXPECT_EQ(FileNameCodec::Encode(L"/\\CONFIG.INI"), "//CONFIG.INI");
}

TEST(FileNameCodec, CharactersNoNameComesBackAsAreReplaced) {
    EXPECT_EQ(FileNameCodec::Encode(L"a\xD800z"), "a\xEF\xBF\xBDz");
    EXPECT_EQ(FileNameCodec::Encode(L"a\xDC7Fz"), "a\xEF\xBF\xBDz");
    EXPECT_EQ(FileNameCodec::Encode(std::wstring(L"a") + static_cast<wchar_t>(0x110000)),
              "a\xEF\xBF\xBD");
}

}  // namespace
