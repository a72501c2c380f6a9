// Bad bytes and unencodable characters give the same text on every system's converter.
#include <gtest/gtest.h>

#include <string>

#include "settings/TextCodec.h"
#include "support/ParamName.h"

namespace keldra::settings {
namespace {

using namespace std::string_literals;

struct DecodeCase {
    const char* name;
    TextEncoding encoding;
    std::string bytes;
    std::wstring text;
};

class DecodeTest : public ::testing::TestWithParam<DecodeCase> {};

TEST_P(DecodeTest, GivesOneReplacementPerBadByteOrUnit) {
    EXPECT_EQ(TextCodec::Decode(GetParam().bytes, GetParam().encoding), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    Inputs, DecodeTest,
    ::testing::Values(
        DecodeCase{"Utf8Plain", TextEncoding::Utf8, "caf\xC3\xA9 \xED\x95\x9C \xF0\x9F\x98\x80",
                   L"caf\u00E9 \uD55C \U0001F600"},
        DecodeCase{"Utf8BadContinuation", TextEncoding::Utf8, "a\xC3(b", L"a\uFFFD(b"},
        DecodeCase{"Utf8CutAtTheEnd", TextEncoding::Utf8, "a\xE2\x82", L"a\uFFFD"},
        DecodeCase{"Utf8StrayBytes", TextEncoding::Utf8, "\xFF\x80x\xFE", L"\uFFFD\uFFFDx\uFFFD"},
        DecodeCase{"Utf8CutInTheMiddle", TextEncoding::Utf8, "\xE2\x82x", L"\uFFFD\uFFFDx"},
        DecodeCase{"Utf8Overlong", TextEncoding::Utf8, "\xC0\x80z", L"\uFFFD\uFFFDz"},
        DecodeCase{"Utf16LePair", TextEncoding::Utf16Le, "\x3D\xD8\x00\xDE"s, L"\U0001F600"},
        DecodeCase{"Utf16LeLoneHigh", TextEncoding::Utf16Le,
                   "\x00\xD8"
                   "a\0"s,
                   L"\uFFFDa"},
        DecodeCase{"Utf16LeLoneLow", TextEncoding::Utf16Le,
                   "a\0\x00\xDC"
                   "b\0"s,
                   L"a\uFFFDb"},
        DecodeCase{"Utf16LeHighAtTheEnd", TextEncoding::Utf16Le, "a\0\x00\xD8"s, L"a\uFFFD"},
        DecodeCase{"Utf16LeOddByte", TextEncoding::Utf16Le, "a\0b"s, L"a\uFFFD"},
        DecodeCase{"Utf16BePair", TextEncoding::Utf16Be, "\0x\xD8\x3D\xDE\x00"s, L"x\U0001F600"},
        DecodeCase{"Utf16BeLoneLow", TextEncoding::Utf16Be, "\xDC\x00\0y"s, L"\uFFFDy"}),
    keldra::testing::ParamName<DecodeCase>);

struct EncodeCase {
    const char* name;
    TextEncoding encoding;
    std::wstring text;
    std::string bytes;
};

class EncodeTest : public ::testing::TestWithParam<EncodeCase> {};

TEST_P(EncodeTest, WritesWhatTheEncodingHoldsAndQuestionMarksForTheRest) {
    EXPECT_EQ(TextCodec::Encode(GetParam().text, GetParam().encoding), GetParam().bytes);
}

// A lone surrogate is no character: no Unicode encoding can hold it.
const std::wstring kLoneSurrogate(1, static_cast<wchar_t>(0xD800));

INSTANTIATE_TEST_SUITE_P(
    Texts, EncodeTest,
    ::testing::Values(
        EncodeCase{"Utf8", TextEncoding::Utf8, L"caf\u00E9\U0001F600",
                   "caf\xC3\xA9\xF0\x9F\x98\x80"},
        EncodeCase{"Utf8LoneSurrogate", TextEncoding::Utf8, L"a" + kLoneSurrogate + L"b", "a?b"},
        EncodeCase{"Utf16Le", TextEncoding::Utf16Le, L"K\U0001F600", "K\0\x3D\xD8\x00\xDE"s},
        EncodeCase{"Utf16LeLoneSurrogate", TextEncoding::Utf16Le, kLoneSurrogate + L"b", "?\0b\0"s},
        EncodeCase{"Utf16Be", TextEncoding::Utf16Be, L"K\u00E9", "\0K\0\xE9"s},
        EncodeCase{"Windows1252", TextEncoding::Windows1252, L"\u20AC\u00E9\uD55C", "\x80\xE9?"}),
    keldra::testing::ParamName<EncodeCase>);

}  // namespace
}  // namespace keldra::settings
