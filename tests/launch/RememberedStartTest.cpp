// A start from the menu with a remembered folder: used while it is there, asked for when it
// is gone, asked for again from the desktop action; where the memory is kept.
#include "launch/MenuStartTest.h"
#include "launch/RememberedFolder.h"

namespace keldra::launch::testing {

namespace {

namespace fs = std::filesystem;
using keldra::testing::ReadBytes;

TEST_F(MenuStartTest, TheRememberedFolderIsUsedWithoutAsking) {
    const auto game = MakeGameFolder("Keldra");
    Remember(game.string());
    InstallChooser("zenity", 0, MakeGameFolder("Other").string() + "\n");
    const FileTree before = EverythingWritable();

    EXPECT_EQ(Start(MenuStartMode::UseRemembered), game);
    EXPECT_FALSE(WasAsked("zenity"));
    EXPECT_TRUE(ChangedSince(before).empty());
}

// What the remembered file may hold when it names no folder to work in.
class UnusableMemoryTest : public MenuStartTest,
                           public ::testing::WithParamInterface<std::string> {};

TEST_P(UnusableMemoryTest, TheFolderIsAskedForAndTheNewChoiceRemembered) {
    const auto game = MakeGameFolder("Keldra");
    keldra::testing::WriteBytes(games_ / "a file", "");
    Remember(GetParam() == "gone"    ? (games_ / "Gone").string()
             : GetParam() == "file"  ? (games_ / "a file").string()
             : GetParam() == "nul"   ? game.string() + std::string(1, '\0')
             : GetParam() == "empty" ? ""
                                     : "Keldra");  // relative
    InstallChooser("zenity", 0, game.string() + "\n");

    EXPECT_EQ(Start(MenuStartMode::UseRemembered), game);
    EXPECT_TRUE(WasAsked("zenity"));
    EXPECT_EQ(ReadBytes(RememberedFile()), game.string());
}

INSTANTIATE_TEST_SUITE_P(Memories, UnusableMemoryTest,
                         ::testing::Values("gone", "file", "nul", "empty", "relative"));

TEST_F(MenuStartTest, ChoosingTheFolderAgainAsksAlthoughOneIsRemembered) {
    Remember(MakeGameFolder("Keldra").string());
    const auto other = MakeGameFolder("Keldra Test Realm");
    InstallChooser("zenity", 0, other.string() + "\n");

    EXPECT_EQ(Start(MenuStartMode::AskAgain), other);
    EXPECT_EQ(ReadBytes(RememberedFile()), other.string());
}

TEST_F(MenuStartTest, CancellingChoosingAgainKeepsTheRememberedFolder) {
    Remember(MakeGameFolder("Keldra").string());
    InstallChooser("zenity", 1);
    const FileTree before = EverythingWritable();

    EXPECT_EQ(Start(MenuStartMode::AskAgain), std::nullopt);
    EXPECT_TRUE(WasAsked("zenity"));
    EXPECT_TRUE(ChangedSince(before).empty());
}

// XDG_CONFIG_HOME values that leave the configuration folder at ~/.config.
class ConfigHomeTest : public MenuStartTest,
                       public ::testing::WithParamInterface<std::optional<std::string>> {};

TEST_P(ConfigHomeTest, TheMemoryIsKeptUnderDotConfigInHome) {
    if (GetParam()) {
        environment_.Set("XDG_CONFIG_HOME", *GetParam());
    } else {
        environment_.Unset("XDG_CONFIG_HOME");
    }
    const auto game = MakeGameFolder("Keldra");
    InstallChooser("zenity", 0, game.string() + "\n");
    const FileTree before = EverythingWritable();

    EXPECT_EQ(Start(MenuStartMode::UseRemembered), game);
    const fs::path file = home_ / ".config/keldra-config/game-folder";
    EXPECT_EQ(ReadBytes(file), game.string());
    EXPECT_EQ(ChangedSince(before), (std::set{home_ / ".config", file.parent_path(), file}));
}

std::string ConfigHomeName(const ::testing::TestParamInfo<std::optional<std::string>>& row) {
    if (!row.param) return "Unset";
    return row.param->empty() ? "Empty" : "Relative";
}

INSTANTIATE_TEST_SUITE_P(Values, ConfigHomeTest,
                         ::testing::Values(std::nullopt, "", "relative/config"), ConfigHomeName);

TEST_F(MenuStartTest, WithoutAHomeNothingIsRememberedAndEachStartAsks) {
    environment_.Unset("HOME");
    environment_.Unset("XDG_CONFIG_HOME");
    const auto game = MakeGameFolder("Keldra");
    InstallChooser("zenity", 0, game.string() + "\n");
    const FileTree before = EverythingWritable();

    EXPECT_EQ(Start(MenuStartMode::UseRemembered), game);
    fs::remove(notes_ / "zenity");
    EXPECT_EQ(Start(MenuStartMode::UseRemembered), game);
    EXPECT_TRUE(WasAsked("zenity")) << "the second start asks again";
    EXPECT_TRUE(ChangedSince(before).empty());
}

TEST_F(MenuStartTest, ARememberedFileKeptAsALinkStaysALink) {
    const fs::path kept = notes_ / "dotfiles-game-folder";
    keldra::testing::WriteBytes(kept, "/nowhere");
    fs::create_directories(RememberedFile().parent_path());
    fs::create_symlink(kept, RememberedFile());
    const auto game = MakeGameFolder("Keldra");
    InstallChooser("zenity", 0, game.string() + "\n");

    EXPECT_EQ(Start(MenuStartMode::UseRemembered), game);
    EXPECT_TRUE(fs::is_symlink(RememberedFile()));
    EXPECT_EQ(ReadBytes(kept), game.string());
}

TEST(RememberedFolderTest, APathThatIsNotAbsoluteOrHoldsNulIsNotRemembered) {
    keldra::testing::TempFolder config;
    const RememberedFolder memory(config / "game-folder");
    EXPECT_FALSE(memory.Save("games/Keldra"));
    EXPECT_FALSE(memory.Save(std::string("/games/Keldra\0/etc", 18)));
    EXPECT_TRUE(fs::is_empty(config.Path()));
    EXPECT_TRUE(memory.Save("/games/Keldra"));
    EXPECT_EQ(memory.Load(), fs::path("/games/Keldra"));
}

}  // namespace

}  // namespace keldra::launch::testing
