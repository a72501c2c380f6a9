// Reading values the way the game's profile services read them.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "settings/SettingsFile.h"
#include "support/ParamName.h"
#include "support/TempFolder.h"

namespace keldra::settings {
namespace {

using namespace std::string_literals;
using keldra::testing::TempFolder;
using keldra::testing::WriteBytes;

struct TextCase {
    const char* name;
    std::string file;
    const wchar_t* section;
    const wchar_t* key;
    std::wstring fallback;
    std::wstring expected;
};

class ReadTextTest : public ::testing::TestWithParam<TextCase> {};

TEST_P(ReadTextTest, GivesTheValueAsTheGameSeesIt) {
    const TextCase& c = GetParam();
    TempFolder folder;
    WriteBytes(folder / "CONFIG.INI", c.file);
    EXPECT_EQ(
        SettingsFile::ReadText(c.section, c.key, c.fallback, folder.WindowsPath("CONFIG.INI")),
        c.expected);
}

const std::string k300(300, 'x');

INSTANTIATE_TEST_SUITE_P(
    Rules, ReadTextTest,
    ::testing::Values(
        TextCase{"plain", "[VIDEO]\r\nTEXTURE=HIGH\r\n", L"VIDEO", L"TEXTURE", L"d", L"HIGH"},
        TextCase{"names_ignore_case", "[Video]\r\ntexture=LOW\r\n", L"VIDEO", L"TEXTURE", L"d",
                 L"LOW"},
        TextCase{"value_keeps_case", "[V]\r\nK=true\r\n", L"V", L"K", L"d", L"true"},
        TextCase{"missing_key", "[V]\r\nA=1\r\n", L"V", L"K", L"dflt", L"dflt"},
        TextCase{"missing_section", "[W]\r\nK=1\r\n", L"V", L"K", L"dflt", L"dflt"},
        TextCase{"key_in_other_section_only", "[W]\r\nK=1\r\n[V]\r\nA=2\r\n", L"V", L"K", L"d",
                 L"d"},
        TextCase{"first_key_wins", "[V]\r\nK=1\r\nK=2\r\n", L"V", L"K", L"d", L"1"},
        TextCase{"only_first_section_searched", "[V]\r\nA=1\r\n[W]\r\n[V]\r\nK=2\r\n", L"V", L"K",
                 L"d", L"d"},
        TextCase{"blanks_around_brackets", " \t[ VIDEO\t]  trailing\r\nK=v\r\n", L"VIDEO", L"K",
                 L"d", L"v"},
        TextCase{"open_bracket_is_no_section", "[V]\r\n[W\r\nK=v\r\n", L"V", L"K", L"d", L"v"},
        TextCase{"trimmed_key_and_value", "[V]\r\n \tK \t=\t a b \t\r\n", L"V", L"K", L"d", L"a b"},
        TextCase{"first_equals_splits", "[V]\r\nA=a=b\r\n", L"V", L"A", L"d", L"a=b"},
        TextCase{"line_without_equals_is_no_key", "[V]\r\nK\r\n", L"V", L"K", L"d", L"d"},
        TextCase{"hash_is_no_comment", "[V]\r\n#K=1\r\n", L"V", L"#K", L"d", L"1"},
        TextCase{"semicolon_line_is_comment", "[V]\r\n;K=1\r\nK=2\r\n", L"V", L";K", L"d", L"d"},
        TextCase{"double_quotes_removed", "[V]\r\nK=\"dq\"\r\n", L"V", L"K", L"d", L"dq"},
        TextCase{"single_quotes_removed", "[V]\r\nK='sq'\r\n", L"V", L"K", L"d", L"sq"},
        TextCase{"empty_quotes", "[V]\r\nK=\"\"\r\n", L"V", L"K", L"d", L""},
        TextCase{"one_pair_only", "[V]\r\nK=\"\"x\"\"\r\n", L"V", L"K", L"d", L"\"x\""},
        TextCase{"lone_quote_stays", "[V]\r\nK=\"\r\n", L"V", L"K", L"d", L"\""},
        TextCase{"unmatched_quotes_stay", "[V]\r\nK=\"x'\r\n", L"V", L"K", L"d", L"\"x'"},
        TextCase{"inner_blanks_inside_quotes_stay", "[V]\r\nK=\" a \"\r\n", L"V", L"K", L"d",
                 L" a "},
        TextCase{"empty_value_is_not_default", "[V]\r\nK=\r\n", L"V", L"K", L"d", L""},
        TextCase{"blank_value_is_not_default", "[V]\r\nK=  \t\r\n", L"V", L"K", L"d", L""},
        TextCase{"default_trailing_spaces_cut", "", L"V", L"K", L"dflt  ", L"dflt"},
        TextCase{"default_cut_to_259", "", L"V", L"K", std::wstring(300, L'z'),
                 std::wstring(259, L'z')},
        TextCase{"value_cut_to_259", "[V]\r\nK=" + k300 + "\r\n", L"V", L"K", L"d",
                 std::wstring(259, L'x')},
        TextCase{"quotes_removed_before_cut", "[V]\r\nK=\"" + std::string(259, 'q') + "\"\r\n",
                 L"V", L"K", L"d", std::wstring(259, L'q')},
        TextCase{"lf_line_ends", "[V]\nA=1\nK=2\n", L"V", L"K", L"d", L"2"},
        TextCase{"cr_line_ends", "[V]\rA=1\rK=2\r", L"V", L"K", L"d", L"2"},
        TextCase{"mixed_line_ends", "[V]\r\nA=1\nB=2\rK=3", L"V", L"K", L"d", L"3"},
        TextCase{"last_line_without_end", "[V]\r\nK=4", L"V", L"K", L"d", L"4"},
        TextCase{"nul_ends_line_content", "[V]\r\nK=ab\0cd\r\nL=2\r\n"s, L"V", L"K", L"d", L"ab"},
        TextCase{"line_after_nul_unaffected", "[V]\r\nK=ab\0cd\r\nL=2\r\n"s, L"V", L"L", L"d",
                 L"2"},
        TextCase{"keys_before_any_section_ignored", "K=1\r\n[V]\r\n", L"V", L"K", L"d", L"d"},
        TextCase{"windows_1252_bytes", "[V]\r\nK=caf\xE9 \x80\r\n", L"V", L"K", L"d",
                 L"caf\u00E9 \u20AC"},
        TextCase{"utf8_without_mark_is_1252", "[V]\r\nK=\xC3\xA9\r\n", L"V", L"K", L"d",
                 L"\u00C3\u00A9"},
        TextCase{"utf8_mark", "\xEF\xBB\xBF[V]\r\nK=\xC3\xA9\r\n", L"V", L"K", L"d", L"\u00E9"},
        TextCase{"utf8_mark_not_part_of_first_line", "\xEF\xBB\xBF[V]\r\nK=1\r\n", L"V", L"K", L"d",
                 L"1"},
        TextCase{"utf16le_mark", "\xFF\xFE[\0V\0]\0\r\0\n\0K\0=\0\xE9\0"s, L"V", L"K", L"d",
                 L"\u00E9"},
        TextCase{"utf16be_mark", "\xFE\xFF\0[\0V\0]\0\n\0K\0=\xAC\0"s, L"V", L"K", L"d", L"\uAC00"},
        TextCase{"no_file_at_all", "", L"V", L"K", L"d", L"d"}),
    keldra::testing::ParamName<TextCase>);

TEST(ReadText, MissingFileOrFolderGivesDefault) {
    TempFolder folder;
    EXPECT_EQ(SettingsFile::ReadText(L"V", L"K", L"d", folder.WindowsPath("CONFIG.INI")), L"d");
    std::filesystem::create_directory(folder / "CONFIG.INI");
    EXPECT_EQ(SettingsFile::ReadText(L"V", L"K", L"d", folder.WindowsPath("CONFIG.INI")), L"d");
    EXPECT_EQ(SettingsFile::ReadInt(L"V", L"K", 42, folder.WindowsPath("CONFIG.INI")), 42);
}

// Reads parse a file once for as long as its bytes stay the same; each read must still see
// the file as it is on disk at that moment.
TEST(ReadText, EveryReadSeesTheFileAsItIsNow) {
    TempFolder folder;
    const std::wstring path = folder.WindowsPath("CONFIG.INI");
    WriteBytes(folder / "CONFIG.INI", "[V]\r\nK=1\r\n");
    EXPECT_EQ(SettingsFile::ReadText(L"V", L"K", L"d", path), L"1");
    EXPECT_EQ(SettingsFile::ReadInt(L"V", L"K", 0, path), 1);
    WriteBytes(folder / "CONFIG.INI", "[V]\r\nK=2\r\n");  // same size, other value
    EXPECT_EQ(SettingsFile::ReadText(L"V", L"K", L"d", path), L"2");
    EXPECT_TRUE(SettingsFile::Write(L"V", L"K", L"3", path).Succeeded());
    EXPECT_EQ(SettingsFile::ReadInt(L"V", L"K", 0, path), 3);
    std::filesystem::remove(folder / "CONFIG.INI");
    EXPECT_EQ(SettingsFile::ReadText(L"V", L"K", L"d", path), L"d");
}

TEST(ReadText, TheSameBytesReadWithOtherOptionsAreDecodedByThoseOptions) {
    TempFolder folder;
    const std::wstring path = folder.WindowsPath("T_CONFIG.INI");
    WriteBytes(folder / "T_CONFIG.INI", "[V]\r\nK=\xC3\xA9\r\n");  // UTF-8 for e-acute
    EXPECT_EQ(SettingsFile::ReadText(L"V", L"K", L"d", path), L"\u00C3\u00A9");
    EXPECT_EQ(SettingsFile::ReadText(L"V", L"K", L"d", path, {.recogniseUtf8WithoutBom = true}),
              L"\u00E9");
    EXPECT_EQ(SettingsFile::ReadText(L"V", L"K", L"d", path), L"\u00C3\u00A9");
}

struct IntCase {
    const char* stored;  // nullptr: the key is missing
    int expected;
};

class ReadIntTest : public ::testing::TestWithParam<IntCase> {};

TEST_P(ReadIntTest, ParsesTheDecimalPrefix) {
    const IntCase& c = GetParam();
    TempFolder folder;
    WriteBytes(folder / "CONFIG.INI",
               c.stored ? std::string("[V]\r\nK=") + c.stored + "\r\n" : "[V]\r\n");
    EXPECT_EQ(SettingsFile::ReadInt(L"v", L"k", -77, folder.WindowsPath("CONFIG.INI")), c.expected)
        << (c.stored ? c.stored : "(missing)");
}

INSTANTIATE_TEST_SUITE_P(
    Rules, ReadIntTest,
    ::testing::Values(IntCase{nullptr, -77}, IntCase{"", -77}, IntCase{"\"\"", -77},
                      IntCase{"7", 7}, IntCase{"7abc", 7}, IntCase{"abc", 0}, IntCase{"12.9", 12},
                      IntCase{"- 5", 0}, IntCase{"-5", -5}, IntCase{"+5", 5}, IntCase{"0x10", 0},
                      IntCase{"\"5\"", 5}, IntCase{"'6'", 6}, IntCase{"007", 7},
                      IntCase{"2147483647", 2147483647}, IntCase{"2147483648", -2147483647 - 1},
                      IntCase{"4294967295", -1}, IntCase{"4294967296", 0},
                      IntCase{"99999999999", 1215752191}, IntCase{"-4294967297", -1},
                      IntCase{"--5", 0}, IntCase{"\" 8\"", 8}));

}  // namespace
}  // namespace keldra::settings
