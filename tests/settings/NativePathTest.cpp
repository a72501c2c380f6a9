// The program's wide paths as Linux paths: its own backslashes separate folders, every byte
// of a folder's name is kept, and a settings file is read and written in the folder named.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "settings/NativePath.h"
#include "settings/SettingsFile.h"
#include "support/ParamName.h"
#include "support/TempFolder.h"

namespace keldra::settings {
namespace {

using keldra::testing::ReadBytes;
using keldra::testing::TempFolder;
using keldra::testing::WriteBytes;

struct PathCase {
    const char* name;
    std::string bytes;
};

class NativePathRoundTrip : public ::testing::TestWithParam<PathCase> {};

TEST_P(NativePathRoundTrip, ToWindowsAndBackIsTheSamePath) {
    const std::filesystem::path path(GetParam().bytes);
    EXPECT_EQ(NativePath::From(NativePath::ToWindows(path)).native(), path.native());
    EXPECT_EQ(NativePath::From(NativePath::ToWindows(path) + L"\\CONFIG.INI").native(),
              path.native() + "/CONFIG.INI");
}

INSTANTIATE_TEST_SUITE_P(Paths, NativePathRoundTrip,
                         ::testing::Values(PathCase{"Plain", "/home/player/Keldra"},
                                           PathCase{"Relative", "games/Keldra"},
                                           PathCase{"Backslash", "/games/game\\x"},
                                           PathCase{"Latin1", "/games/caf\xE9"},
                                           PathCase{"PrivateUseCharacter", "/a/\xEF\x81\x9C/b"},
                                           PathCase{"EncodedEscape", "/a/\xED\xB3\xA9"},
                                           PathCase{"Mixed", "rel\\a/\xFF\xFE\\\xC3\xA9"},
                                           PathCase{"Long", "/" + std::string(5000, '\xE9')}),
                         keldra::testing::ParamName<PathCase>);

TEST(NativePath, OnlyTheProgramsBackslashesSeparateFolders) {
    const struct {
        std::wstring windows;
        std::string native;
    } cases[] = {
        {L"/games/game\xF05Cx\\CONFIG.INI", "/games/game\\x/CONFIG.INI"},
        {L"/games/caf\xDCE9\\CONFIG.INI", "/games/caf\xE9/CONFIG.INI"},
        {L"/games/caf\u00E9\\T_CONFIG.INI", "/games/caf\xC3\xA9/T_CONFIG.INI"},
        {L"/\\CONFIG.INI", "//CONFIG.INI"},
    };
    for (const auto& c : cases) EXPECT_EQ(NativePath::From(c.windows).native(), c.native);
}

// A folder `game\x` next to a folder game holding x: the settings go to `game\x`.
TEST(NativePath, AFolderWithABackslashInItsNameKeepsItsSettings) {
    TempFolder folder;
    std::filesystem::create_directories(folder / "game" / "x");
    std::filesystem::create_directory(folder / "game\\x");
    const std::wstring path = NativePath::ToWindows(folder / "game\\x") + L"\\CONFIG.INI";

    ASSERT_TRUE(SettingsFile::Write(L"VIDEO", L"SIZE_X", L"1280", path));
    EXPECT_EQ(ReadBytes(folder / "game\\x" / "CONFIG.INI"), "[VIDEO]\r\nSIZE_X=1280\r\n");
    EXPECT_TRUE(std::filesystem::is_empty(folder / "game" / "x"));
    EXPECT_EQ(SettingsFile::ReadText(L"VIDEO", L"SIZE_X", L"", path), L"1280");
}

TEST(NativePath, AFolderNamedInLatin1KeepsItsSettings) {
    TempFolder folder;
    std::filesystem::create_directory(folder / "caf\xE9");
    WriteBytes(folder / "caf\xE9" / "CONFIG.INI", "[VIDEO]\r\nSIZE_X=800\r\n");
    const std::wstring path = NativePath::ToWindows(folder / "caf\xE9") + L"\\CONFIG.INI";

    EXPECT_EQ(SettingsFile::ReadInt(L"VIDEO", L"SIZE_X", 0, path), 800);
    ASSERT_TRUE(SettingsFile::Write(L"VIDEO", L"SIZE_X", L"1280", path));
    EXPECT_EQ(ReadBytes(folder / "caf\xE9" / "CONFIG.INI"), "[VIDEO]\r\nSIZE_X=1280\r\n");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.Path()), {}), 1)
        << "no second folder with a changed name";
}

}  // namespace
}  // namespace keldra::settings
