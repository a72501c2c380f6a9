// Writing values: only the line that changes changes, every other byte stays.
#include <gtest/gtest.h>

#include <string>

#include "settings/IniDocument.h"
#include "settings/SettingsFile.h"
#include "support/ParamName.h"
#include "support/TempFolder.h"

namespace keldra::settings {
namespace {

using namespace std::string_literals;
using keldra::testing::ReadBytes;
using keldra::testing::TempFolder;
using keldra::testing::WriteBytes;

struct WriteCase {
    const char* name;
    std::string before;  // "<none>": no file at all
    const wchar_t* section;
    const wchar_t* key;
    std::wstring value;
    std::string after;
};

class WriteTest : public ::testing::TestWithParam<WriteCase> {};

TEST_P(WriteTest, ChangesOnlyWhatItMust) {
    const WriteCase& c = GetParam();
    TempFolder folder;
    if (c.before != "<none>") WriteBytes(folder / "CONFIG.INI", c.before);
    const SaveResult result =
        SettingsFile::Write(c.section, c.key, c.value, folder.WindowsPath("CONFIG.INI"));
    ASSERT_TRUE(result) << result.Reason();
    EXPECT_EQ(ReadBytes(folder / "CONFIG.INI"), c.after);
}

INSTANTIATE_TEST_SUITE_P(
    Rules, WriteTest,
    ::testing::Values(
        WriteCase{"missing_file", "<none>", L"S", L"K", L"v", "[S]\r\nK=v\r\n"},
        WriteCase{"empty_file", "", L"S", L"K", L"v", "[S]\r\nK=v\r\n"},
        WriteCase{"existing_key_keeps_place_and_spelling", "[V]\r\na=1\r\nkey = old \r\nz=2\r\n",
                  L"v", L"KEY", L"new", "[V]\r\na=1\r\nkey=new\r\nz=2\r\n"},
        WriteCase{"existing_key_keeps_its_line_end", "[V]\nK=1\r\nZ=2\n", L"V", L"K", L"2",
                  "[V]\nK=2\r\nZ=2\n"},
        WriteCase{"only_first_duplicate_changes", "[V]\r\nK=1\r\nK=1\r\n", L"V", L"K", L"2",
                  "[V]\r\nK=2\r\nK=1\r\n"},
        WriteCase{"old_quotes_not_kept", "[V]\r\nK=\"1\"\r\n", L"V", L"K", L"2", "[V]\r\nK=2\r\n"},
        WriteCase{"new_key_after_last_nonblank_line", "[LOGIN]\r\n\r\n\r\n[NEXT]\r\n", L"LOGIN",
                  L"KEY", L"v", "[LOGIN]\r\nKEY=v\r\n\r\n\r\n[NEXT]\r\n"},
        WriteCase{"new_key_after_comment", "[V]\r\nA=1\r\n;note\r\n\r\n[W]\r\n", L"V", L"B", L"2",
                  "[V]\r\nA=1\r\n;note\r\nB=2\r\n\r\n[W]\r\n"},
        WriteCase{"new_key_in_last_section", "[V]\r\nA=1\r\n", L"V", L"B", L"2",
                  "[V]\r\nA=1\r\nB=2\r\n"},
        WriteCase{"new_key_after_unterminated_last_line", "[V]\r\nA=1", L"V", L"B", L"2",
                  "[V]\r\nA=1\r\nB=2\r\n"},
        WriteCase{"key_of_same_name_elsewhere_is_independent",
                  "[VIDEO]\r\nSHADOW=TRUE\r\n\r\n[USER]\r\nA=1\r\n", L"USER", L"SHADOW", L"FALSE",
                  "[VIDEO]\r\nSHADOW=TRUE\r\n\r\n[USER]\r\nA=1\r\nSHADOW=FALSE\r\n"},
        WriteCase{"duplicate_section_gets_write_in_first", "[V]\r\nA=1\r\n[W]\r\n[V]\r\nK=2\r\n",
                  L"V", L"K", L"3", "[V]\r\nA=1\r\nK=3\r\n[W]\r\n[V]\r\nK=2\r\n"},
        WriteCase{"new_section_appended_without_blank", "[V]\r\nA=1\r\n", L"W", L"K", L"v",
                  "[V]\r\nA=1\r\n[W]\r\nK=v\r\n"},
        WriteCase{"new_section_after_unterminated_line", "[V]\r\nA=1", L"W", L"K", L"v",
                  "[V]\r\nA=1\r\n[W]\r\nK=v\r\n"},
        WriteCase{"added_lines_take_first_line_end_lf", "[V]\nA=1\n", L"W", L"K", L"v",
                  "[V]\nA=1\n[W]\nK=v\n"},
        WriteCase{"added_lines_take_first_line_end_cr", "[V]\rA=1\r", L"V", L"K", L"v",
                  "[V]\rA=1\rK=v\r"},
        WriteCase{"cr_line_before_blank_lf_line_stays_apart", "[V]\rA=1\n\n[W]\r", L"V", L"B", L"2",
                  "[V]\rA=1\nB=2\r\n\n[W]\r"},
        WriteCase{"crlf_when_file_has_no_line_end", "[V]", L"V", L"K", L"v", "[V]\r\nK=v\r\n"},
        WriteCase{
            "unknown_lines_and_bytes_survive",
            "junk before\r\n[V]\r\n  odd line \x01\xFF\r\n\tA = 1 \r\n#x\r\n\r\n[W]\r\nZ=\xE9\n"s,
            L"V", L"A", L"2",
            "junk before\r\n[V]\r\n  odd line \x01\xFF\r\nA=2\r\n#x\r\n\r\n[W]\r\nZ=\xE9\n"s},
        WriteCase{"nul_bytes_of_other_lines_survive", "[V]\r\nA=1\0x\r\nB=\0\r\n"s, L"V", L"A",
                  L"2", "[V]\r\nA=2\r\nB=\0\r\n"s},
        WriteCase{"windows_1252_value", "[V]\r\n", L"V", L"K", L"caf\u00E9\u20AC",
                  "[V]\r\nK=caf\xE9\x80\r\n"},
        WriteCase{"unrepresentable_becomes_question_mark", "[V]\r\n", L"V", L"K", L"\uD55C\u0416x",
                  "[V]\r\nK=??x\r\n"},
        WriteCase{"utf8_mark_kept", "\xEF\xBB\xBF[V]\r\nA=\xC3\xA9\r\n", L"V", L"K", L"\uD55C",
                  "\xEF\xBB\xBF[V]\r\nA=\xC3\xA9\r\nK=\xED\x95\x9C\r\n"},
        WriteCase{"utf16le_stays_utf16le", "\xFF\xFE[\0V\0]\0\r\0\n\0"s, L"V", L"K", L"\uD55C",
                  "\xFF\xFE[\0V\0]\0\r\0\n\0K\0=\0\x5C\xD5\r\0\n\0"s},
        WriteCase{"utf16be_new_section", "\xFE\xFF\0[\0V\0]"s, L"W", L"K", L"\U0001F600",
                  "\xFE\xFF\0[\0V\0]\0\r\0\n\0[\0W\0]\0\r\0\n\0K\0=\xD8\x3D\xDE\x00\0\r\0\n"s}),
    keldra::testing::ParamName<WriteCase>);

TEST(Write, SectionsOfSeveralWritesAppearInOrderOfFirstWrite) {
    TempFolder folder;
    const std::wstring path = folder.WindowsPath("CONFIG.INI");
    ASSERT_TRUE(SettingsFile::Write(L"VIDEO", L"A", L"1", path));
    ASSERT_TRUE(SettingsFile::Write(L"SOUND", L"B", L"2", path));
    ASSERT_TRUE(SettingsFile::Write(L"VIDEO", L"C", L"3", path));
    EXPECT_EQ(ReadBytes(folder / "CONFIG.INI"), "[VIDEO]\r\nA=1\r\nC=3\r\n[SOUND]\r\nB=2\r\n");
}

TEST(Write, WhatIsWrittenReadsBackTheSame) {
    TempFolder folder;
    const std::wstring path = folder.WindowsPath("CONFIG.INI");
    for (const std::wstring value : {L"TRUE", L"-12", L"a b", L"caf\u00E9", L"x=y", L""}) {
        ASSERT_TRUE(SettingsFile::Write(L"V", L"K", value, path));
        EXPECT_EQ(SettingsFile::ReadText(L"V", L"K", L"d", path), value);
    }
}

TEST(Write, ALaterWriteInTheSameSaveFindsTheLineAnEarlierOneAdded) {
    // The file cannot hold the key's last character: both writes still mean one line.
    for (const std::string& before : {""s, "[S]\r\nA=1"s}) {
        IniDocument document = IniDocument::Parse(before);
        ASSERT_TRUE(document.Set(L"S", L"K\u4E00", L"1"));
        ASSERT_TRUE(document.Set(L"S", L"K\u4E00", L"2"));
        EXPECT_FALSE(document.Set(L"S", L"K\u4E00", L"2"));
        EXPECT_EQ(document.Find(L"S", L"K\u4E00"), L"2");
        EXPECT_EQ(document.Serialize(),
                  before.empty() ? "[S]\r\nK?=2\r\n" : "[S]\r\nA=1\r\nK?=2\r\n");
    }
}

TEST(Write, RefusesTextsThatWouldInjectLines) {
    TempFolder folder;
    const std::string before = "[V]\r\nK=1\r\n";
    WriteBytes(folder / "CONFIG.INI", before);
    const std::wstring path = folder.WindowsPath("CONFIG.INI");
    const struct {
        std::wstring section, key, value;
    } refused[] = {
        {L"V", L"K", L"1\r\n[X]"}, {L"V", L"K", L"a\nb"},   {L"V", L"K", L"a\rb"},
        {L"V", L"K", L"a\0b"s},    {L"V\r\nW", L"K", L"1"}, {L"V", L"K\nZ", L"1"},
        {L"V", L"A=B", L"1"},      {L"V]X", L"K", L"1"},    {L"V", L";K", L"1"},
        {L"V", L"[K", L"1"},       {L"", L"K", L"1"},       {L"V", L" ", L"1"},
    };
    for (const auto& r : refused) {
        const SaveResult result = SettingsFile::Write(r.section, r.key, r.value, path);
        EXPECT_FALSE(result) << "value of " << r.value.size() << " characters was stored";
        EXPECT_FALSE(result.Reason().empty());
    }
    EXPECT_EQ(ReadBytes(folder / "CONFIG.INI"), before);
}

}  // namespace
}  // namespace keldra::settings
