// The game's default CONFIG.INI: embedded byte for byte, created only where nothing is.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "settings/DefaultSettingsFile.h"
#include "settings/SettingsFile.h"
#include "support/TempFolder.h"

namespace keldra::settings {
namespace {

using keldra::testing::ReadBytes;
using keldra::testing::StatOf;
using keldra::testing::TempFolder;
using keldra::testing::WriteBytes;

TEST(DefaultSettingsFile, EmbeddedTextIsTheResourceFileByteForByte) {
    const std::string_view embedded = DefaultSettingsFile::Bytes();
    EXPECT_EQ(embedded, ReadBytes(KELDRA_SOURCE_DIR "/res/CONFIG.INI"));
    EXPECT_EQ(embedded.size(), 3202u);
}

TEST(DefaultSettingsFile, Has185AsciiLinesEachEndedByCrLf) {
    const std::string_view text = DefaultSettingsFile::Bytes();
    std::size_t lines = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        ASSERT_LT(static_cast<unsigned char>(text[i]), 0x80u) << "non-ASCII byte at " << i;
        if (text[i] == '\n') {
            ASSERT_TRUE(i > 0 && text[i - 1] == '\r') << "bare LF at " << i;
            ++lines;
        }
        if (text[i] == '\r') {
            ASSERT_TRUE(i + 1 < text.size() && text[i + 1] == '\n') << "bare CR at " << i;
        }
    }
    EXPECT_EQ(lines, 185u);
    EXPECT_TRUE(text.starts_with("[VIDEO]\r\nSIZE_X=1024\r\n"));
    EXPECT_TRUE(text.ends_with("KEY19=1\r\n"));
    EXPECT_NE(text.find("[LOGIN]\r\n\r\n\r\n[INTERFACE]\r\n"), std::string_view::npos);
}

TEST(DefaultSettingsFile, HoldsTheGameDefaultsWhereThePagesLookForThem) {
    TempFolder folder;
    WriteBytes(folder / "CONFIG.INI", DefaultSettingsFile::Bytes());
    const std::wstring path = folder.WindowsPath("CONFIG.INI");
    const struct {
        const wchar_t *section, *key, *value;
    } expected[] = {
        {L"VIDEO", L"SIZE_X", L"1024"},
        {L"VIDEO", L"FULLSCREEN", L"TRUE"},
        {L"VIDEO", L"WEAPONEFF", L"TRUE"},
        {L"INTERFACE", L"LOGIN_ID_SAVE", L"FALSE"},
        {L"SOUND", L"VOL_WORLD", L"6"},
        {L"USER", L"HIDE_DAMAGE", L"FALSE"},
        {L"INTERFACE_800X600", L"SHEET_OPTION_POS_Y", L"89"},
        {L"INTERFACE_1024X768", L"QUESTMINI_POS_Y", L"139"},
        {L"INTERFACE_1280X1024", L"CHAT_SIZE0", L"8"},
        {L"OPTION", L"KEY19", L"1"},
    };
    for (const auto& e : expected) {
        EXPECT_EQ(SettingsFile::ReadText(e.section, e.key, L"?", path), e.value) << e.key;
    }
}

TEST(DefaultSettingsFile, CreatedWhereNothingExists) {
    TempFolder folder;
    ASSERT_TRUE(DefaultSettingsFile::CreateIfMissing(folder.WindowsPath("CONFIG.INI")));
    EXPECT_EQ(ReadBytes(folder / "CONFIG.INI"), DefaultSettingsFile::Bytes());
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.Path()), {}), 1)
        << "a temporary file was left";
}

TEST(DefaultSettingsFile, NeverTouchesAnythingThatExists) {
    TempFolder folder;
    const std::wstring path = folder.WindowsPath("CONFIG.INI");
    const auto file = folder / "CONFIG.INI";
    for (const std::string existing : {"", "[VIDEO]\r\n", "garbage\x01\x02"}) {
        WriteBytes(file, existing);
        EXPECT_FALSE(DefaultSettingsFile::CreateIfMissing(path));
        EXPECT_EQ(ReadBytes(file), existing);
    }
    std::filesystem::remove(file);
    std::filesystem::create_directory(file);
    EXPECT_FALSE(DefaultSettingsFile::CreateIfMissing(path));
    EXPECT_TRUE(std::filesystem::is_directory(file));
}

// A later save through a dangling link would otherwise create a file holding only the
// pages' keys, without the sections the game needs.
TEST(DefaultSettingsFile, ADanglingLinkGetsTheDefaultAtItsTarget) {
    TempFolder folder;
    const auto file = folder / "CONFIG.INI";
    std::filesystem::create_directory(folder / "real");
    std::filesystem::create_symlink("real/elsewhere.ini", file);
    EXPECT_TRUE(DefaultSettingsFile::CreateIfMissing(folder.WindowsPath("CONFIG.INI")));
    EXPECT_TRUE(std::filesystem::is_symlink(file));
    EXPECT_EQ(ReadBytes(folder / "real" / "elsewhere.ini"), DefaultSettingsFile::Bytes());
    // Created once: the link now leads to a file, which is never overwritten.
    WriteBytes(folder / "real" / "elsewhere.ini", "[VIDEO]\r\n");
    EXPECT_FALSE(DefaultSettingsFile::CreateIfMissing(folder.WindowsPath("CONFIG.INI")));
    EXPECT_EQ(ReadBytes(file), "[VIDEO]\r\n");
}

TEST(DefaultSettingsFile, ALinkToAMissingFolderCreatesNothing) {
    TempFolder folder;
    std::filesystem::create_symlink("gone/elsewhere.ini", folder / "CONFIG.INI");
    EXPECT_FALSE(DefaultSettingsFile::CreateIfMissing(folder.WindowsPath("CONFIG.INI")));
    EXPECT_FALSE(std::filesystem::exists(folder / "gone"));
}

TEST(DefaultSettingsFile, MissingFolderCreatesNothingAndSaysWhy) {
    TempFolder folder;
    const SaveResult result =
        DefaultSettingsFile::CreateIfMissing(folder.WindowsPath("missing\\CONFIG.INI"));
    EXPECT_FALSE(result);
    EXPECT_EQ(result.Code(), ENOENT);
    EXPECT_TRUE(std::filesystem::is_empty(folder.Path()));
}

TEST(DefaultSettingsFile, DoubledSeparatorOfADriveRootIsAccepted) {
    TempFolder folder;
    ASSERT_TRUE(DefaultSettingsFile::CreateIfMissing(folder.WindowsPath("\\CONFIG.INI")));
    EXPECT_EQ(StatOf(folder / "CONFIG.INI").st_size, 3202);
}

}  // namespace
}  // namespace keldra::settings
