// Whatever is in the file, reads give an answer and writes keep every other byte.
#include <gtest/gtest.h>

#include <random>
#include <string>

#include "settings/IniDocument.h"
#include "settings/SettingsFile.h"
#include "settings/TextCodec.h"
#include "support/ParamName.h"
#include "support/TempFolder.h"

namespace keldra::settings {
namespace {

using namespace std::string_literals;
using keldra::testing::ReadBytes;
using keldra::testing::TempFolder;
using keldra::testing::WriteBytes;

std::string RandomBytes(std::size_t size, unsigned seed) {
    std::mt19937 random(seed);
    std::string bytes(size, '\0');
    for (char& b : bytes) b = static_cast<char>(random() & 0xFF);
    return bytes;
}

struct BadFile {
    const char* name;
    std::string bytes;
};

class BadFileTest : public ::testing::TestWithParam<BadFile> {};

TEST_P(BadFileTest, ReadsAnswerAndAWriteKeepsTheRest) {
    TempFolder folder;
    const std::string& before = GetParam().bytes;
    WriteBytes(folder / "CONFIG.INI", before);
    const std::wstring path = folder.WindowsPath("CONFIG.INI");

    EXPECT_LE(SettingsFile::ReadText(L"VIDEO", L"SIZE_X", L"d", path).size(), 259u);
    SettingsFile::ReadInt(L"VIDEO", L"SIZE_X", 5, path);

    ASSERT_TRUE(SettingsFile::Write(L"KELDRA_TEST", L"KEY", L"value", path));
    EXPECT_EQ(SettingsFile::ReadText(L"KELDRA_TEST", L"KEY", L"d", path), L"value");
    const std::string after = ReadBytes(folder / "CONFIG.INI");
    // A new section only appends: the old bytes are a prefix (a last line may get its end).
    EXPECT_EQ(after.substr(0, before.size()), before);
}

INSTANTIATE_TEST_SUITE_P(
    Inputs, BadFileTest,
    ::testing::Values(
        BadFile{"binary_garbage", RandomBytes(64 * 1024, 1)},
        BadFile{"nul_bytes", std::string(5000, '\0')},
        BadFile{"nul_in_section_line", "[VI\0DEO]\r\nSIZE_X=1\r\n"s},
        BadFile{"ten_megabytes",
                std::string(10 * 1024 * 1024, 'a') + "\r\n[VIDEO]\r\nSIZE_X=1\r\n"},
        BadFile{"one_megabyte_line", "[VIDEO]\r\nSIZE_X=" + std::string(1024 * 1024, '9') + "\r\n"},
        BadFile{"cr_only", "[VIDEO]\rSIZE_X=1\r\rX=2\r"},
        BadFile{"lf_only", "[VIDEO]\nSIZE_X=1\n\nX=2\n"},
        BadFile{"no_final_line_end", "[VIDEO]\r\nSIZE_X=1"},
        BadFile{"invalid_utf8_after_mark", "\xEF\xBB\xBF[VIDEO]\r\nSIZE_X=\xC3\x28\xFF\r\n"},
        BadFile{"invalid_utf16_lone_surrogate", "\xFF\xFE[\0V\0]\0\n\0K\0=\0\x00\xD8\n\0"s},
        BadFile{"only_a_mark", "\xFE\xFF"},
        BadFile{"unclosed_brackets", "[[[[\r\n]]]]\r\n[\r\n]\r\n="}),
    keldra::testing::ParamName<BadFile>);

TEST(BadInput, AStrayOddByteOfAUtf16FileStaysLastAndAddedLinesStayAligned) {
    TempFolder folder;
    WriteBytes(folder / "CONFIG.INI", "\xFF\xFE[\0V\0]\0\n\0K\0=\0x"s);
    const std::wstring path = folder.WindowsPath("CONFIG.INI");
    ASSERT_TRUE(SettingsFile::Write(L"W", L"A", L"1", path));
    EXPECT_EQ(ReadBytes(folder / "CONFIG.INI"),
              "\xFF\xFE[\0V\0]\0\n\0K\0=\0\n\0[\0W\0]\0\n\0A\0=\0\x31\0\n\0x"s);
    EXPECT_EQ(SettingsFile::ReadText(L"W", L"A", L"d", path), L"1");
    EXPECT_EQ(SettingsFile::ReadText(L"V", L"K", L"d", path), L"");
}

TEST(BadInput, ALongValueReadsAsItsFirst259Characters) {
    TempFolder folder;
    WriteBytes(folder / "CONFIG.INI",
               "[VIDEO]\r\nSIZE_X=" + std::string(1024 * 1024, '7') + "\r\n");
    const std::wstring path = folder.WindowsPath("CONFIG.INI");
    EXPECT_EQ(SettingsFile::ReadText(L"VIDEO", L"SIZE_X", L"d", path), std::wstring(259, L'7'));
}

TEST(BadInput, InvalidSequencesDecodeAsReplacementCharacters) {
    EXPECT_EQ(TextCodec::Decode("a\xC3(b", TextEncoding::Utf8), L"a\uFFFD(b");
    EXPECT_EQ(TextCodec::Decode("a\xE2\x82", TextEncoding::Utf8), L"a\uFFFD");
    EXPECT_EQ(TextCodec::Decode("\x00\xD8"
                                "a\0"s,
                                TextEncoding::Utf16Le),
              L"\uFFFDa");
    EXPECT_FALSE(TextCodec::IsValidUtf8("\xC0\x80"));
    EXPECT_TRUE(TextCodec::IsValidUtf8("\xED\x95\x9C"));
}

TEST(BadInput, EveryWindows1252ByteSurvivesADecodeAndEncode) {
    std::string all;
    for (int b = 0; b < 256; ++b) all.push_back(static_cast<char>(b));
    const std::wstring text = TextCodec::Decode(all, TextEncoding::Windows1252);
    ASSERT_EQ(text.size(), 256u);
    EXPECT_EQ(text[0x80], L'\u20AC');
    EXPECT_EQ(text[0x81], L'\u0081');
    EXPECT_EQ(text[0x9F], L'\u0178');
    EXPECT_EQ(TextCodec::Encode(text, TextEncoding::Windows1252), all);
}

TEST(BadInput, DocumentWrittenBackUnchangedIsByteIdentical) {
    for (unsigned seed = 0; seed < 20; ++seed) {
        const std::string bytes = RandomBytes(4096, seed) + "\r\n[S]\r\nK=v";
        EXPECT_EQ(IniDocument::Parse(bytes).Serialize(), bytes) << "seed " << seed;
    }
}

}  // namespace
}  // namespace keldra::settings
