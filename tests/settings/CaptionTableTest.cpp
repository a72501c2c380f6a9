// Translated captions: any script, in whatever encoding the translator saved.
#include <gtest/gtest.h>

#include <string>

#include "settings/CaptionTable.h"
#include "settings/TextCodec.h"
#include "support/ParamName.h"
#include "support/TempFolder.h"

namespace keldra::settings {
namespace {

using keldra::testing::TempFolder;
using keldra::testing::WriteBytes;

const std::wstring kKorean = L"\uD655\uC778";                           // 확인
const std::wstring kChinese = L"\u786E\u5B9A";                          // 确定
const std::wstring kRussian = L"\u041E\u0442\u043C\u0435\u043D\u0430";  // Отмена
const std::wstring kAccented = L"Param\u00E8tres \u00E0 d\u00E9faut \u20AC";
const std::wstring kEmoji = L"\U0001F3AE";

std::string CaptionFile(const std::wstring& caption) {
    return TextCodec::ToUtf8(L"[RES_TEXT]\r\nIDOK=" + caption + L"\r\n");
}

std::string Utf16(const std::wstring& text, bool bigEndian) {
    return (bigEndian ? std::string("\xFE\xFF") : std::string("\xFF\xFE")) +
           TextCodec::Encode(text, bigEndian ? TextEncoding::Utf16Be : TextEncoding::Utf16Le);
}

struct EncodingCase {
    const char* name;
    std::string (*encode)(const std::wstring&);
};

class CaptionEncodingTest : public ::testing::TestWithParam<EncodingCase> {};

TEST_P(CaptionEncodingTest, EveryScriptArrivesIntact) {
    TempFolder folder;
    for (const std::wstring& caption : {kKorean, kChinese, kRussian, kAccented, kEmoji}) {
        WriteBytes(folder / "T_CONFIG.INI",
                   GetParam().encode(L"[RES_TEXT]\r\nIDOK=" + caption + L"\r\n"));
        EXPECT_EQ(CaptionTable::Lookup(folder.WindowsPath("T_CONFIG.INI"), L"IDOK", L"OK"),
                  caption);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Encodings, CaptionEncodingTest,
    ::testing::Values(
        EncodingCase{"utf16le", [](const std::wstring& text) { return Utf16(text, false); }},
        EncodingCase{"utf16be", [](const std::wstring& text) { return Utf16(text, true); }},
        EncodingCase{
            "utf8_with_mark",
            [](const std::wstring& text) { return "\xEF\xBB\xBF" + TextCodec::ToUtf8(text); }},
        EncodingCase{"utf8_without_mark",
                     [](const std::wstring& text) { return TextCodec::ToUtf8(text); }}),
    keldra::testing::ParamName<EncodingCase>);

TEST(CaptionTable, Windows1252FilesKeepEveryCharacterTheyCanHold) {
    TempFolder folder;
    // "Paramètres à défaut €" with the euro sign at 0x80; not valid UTF-8, so read as 1252.
    WriteBytes(folder / "T_CONFIG.INI",
               "[RES_TEXT]\r\nIDOK=Param\xE8tres \xE0 d\xE9"
               "faut \x80\r\nIDCANCEL=\x9C\x8A\x81\r\n");
    const std::wstring path = folder.WindowsPath("T_CONFIG.INI");
    EXPECT_EQ(CaptionTable::Lookup(path, L"IDOK", L"OK"), kAccented);
    EXPECT_EQ(CaptionTable::Lookup(path, L"IDCANCEL", L"Cancel"), L"\u0153\u0160\u0081");
}

TEST(CaptionTable, LookupRules) {
    TempFolder folder;
    WriteBytes(
        folder / "T_CONFIG.INI",
        "[OTHER]\r\nIDCANCEL=wrong\r\n[RES_TEXT]\r\nidok=Okay\r\nIDC_DEF_BUTTON=\r\nIDD_LONG=" +
            std::string(300, 'c') + "\r\n");
    const std::wstring path = folder.WindowsPath("T_CONFIG.INI");
    EXPECT_EQ(CaptionTable::Lookup(path, L"IDOK", L"OK"), L"Okay")
        << "keys match without regard to case";
    EXPECT_EQ(CaptionTable::Lookup(path, L"IDCANCEL", L"Cancel"), L"Cancel")
        << "only RES_TEXT is read";
    EXPECT_EQ(CaptionTable::Lookup(path, L"IDC_DEF_BUTTON", L"Back"), L"")
        << "an empty caption stays empty";
    EXPECT_EQ(CaptionTable::Lookup(path, L"IDD_LONG", L"x"), std::wstring(259, L'c'));
}

TEST(CaptionTable, NoCaptionFileMeansDefaultsForTheWholeRun) {
    TempFolder folder;
    const std::wstring path = folder.WindowsPath("T_CONFIG.INI");
    const std::wstring captionPath = CaptionTable::PathIfPresent(path);
    EXPECT_TRUE(captionPath.empty());
    WriteBytes(folder / "T_CONFIG.INI", CaptionFile(L"Late"));  // appears after the start
    EXPECT_EQ(CaptionTable::Lookup(captionPath, L"IDOK", L"OK  "), L"OK  ")
        << "the default comes back unchanged";
    EXPECT_EQ(CaptionTable::PathIfPresent(path), path);
    EXPECT_EQ(CaptionTable::Lookup(path, L"IDOK", L"OK"), L"Late");
}

TEST(CaptionTable, ACaptionFileThatVanishedGivesDefaults) {
    TempFolder folder;
    WriteBytes(folder / "T_CONFIG.INI", CaptionFile(L"Gone"));
    const std::wstring captionPath =
        CaptionTable::PathIfPresent(folder.WindowsPath("T_CONFIG.INI"));
    ASSERT_FALSE(captionPath.empty());
    std::filesystem::remove(folder / "T_CONFIG.INI");
    EXPECT_EQ(CaptionTable::Lookup(captionPath, L"IDOK", L"OK"), L"OK");
}

}  // namespace
}  // namespace keldra::settings
