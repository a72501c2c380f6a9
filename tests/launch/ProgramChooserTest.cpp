// A start from the menu that asks through zenity or kdialog, or, with neither and no portal,
// tells the player in a message box how to start the editor with the game's folder.
#include <gmock/gmock.h>

#include "launch/MenuStartTest.h"
#include "support/ParamName.h"

namespace keldra::launch::testing {

namespace {

using keldra::testing::ReadBytes;
using ::testing::IsSupersetOf;

struct DialogProgram {
    std::string name;
    std::vector<std::string> folderArguments;  // what asks it for a folder
};

void PrintTo(const DialogProgram& row, std::ostream* out) {
    *out << row.name;
}

class DialogProgramTest : public MenuStartTest,
                          public ::testing::WithParamInterface<DialogProgram> {};

TEST_P(DialogProgramTest, ItsChosenFolderIsUsedAndRemembered) {
    const auto game = MakeGameFolder("Keldra");
    InstallChooser(GetParam().name, 0, game.string() + "\n");
    const FileTree before = EverythingWritable();

    EXPECT_EQ(Start(MenuStartMode::UseRemembered), game);
    EXPECT_THAT(ArgumentsOf(GetParam().name), IsSupersetOf(GetParam().folderArguments));
    EXPECT_EQ(ReadBytes(RememberedFile()), game.string()) << "the path's bytes, nothing else";
    EXPECT_EQ(ChangedSince(before), (std::set{RememberedFile().parent_path(), RememberedFile()}))
        << "nothing but the remembered folder's file is written";
    EXPECT_TRUE(MessageBoxes().empty());
}

TEST_P(DialogProgramTest, CancellingEndsWithNothingCreatedAndNothingElseAsked) {
    InstallChooser(GetParam().name, 1);
    const bool kdialogComesLater = GetParam().name == "zenity";
    if (kdialogComesLater) InstallChooser("kdialog", 0, MakeGameFolder("Other").string() + "\n");
    const FileTree before = EverythingWritable();

    EXPECT_EQ(Start(MenuStartMode::UseRemembered), std::nullopt);
    EXPECT_TRUE(WasAsked(GetParam().name));
    if (kdialogComesLater) {
        EXPECT_FALSE(WasAsked("kdialog"));
    }
    EXPECT_TRUE(MessageBoxes().empty());
    EXPECT_TRUE(ChangedSince(before).empty());
}

INSTANTIATE_TEST_SUITE_P(Choosers, DialogProgramTest,
                         ::testing::Values(DialogProgram{"zenity",
                                                         {"--file-selection", "--directory"}},
                                           DialogProgram{"kdialog", {"--getexistingdirectory"}}),
                         keldra::testing::ParamName<DialogProgram>);

TEST_F(MenuStartTest, AZenityThatFailsGivesWayToKdialog) {
    const auto game = MakeGameFolder("Keldra");
    InstallChooser("zenity", 255);  // as when it cannot open the display
    InstallChooser("kdialog", 0, game.string() + "\n");
    EXPECT_EQ(Start(MenuStartMode::UseRemembered), game);
    EXPECT_TRUE(WasAsked("zenity"));
}

TEST_F(MenuStartTest, WithoutAnyChooserAMessageBoxSaysHowAndNothingIsCreated) {
    const FileTree before = EverythingWritable();
    EXPECT_EQ(Start(MenuStartMode::UseRemembered), std::nullopt);
    EXPECT_EQ(MessageBoxes(), std::vector<std::wstring>{L"Keldra"});
    EXPECT_TRUE(ChangedSince(before).empty());
}

TEST_F(MenuStartTest, AChosenPathThatIsNoFolderIsNeitherUsedNorRemembered) {
    keldra::testing::WriteBytes(games_ / "CONFIG.INI", "");
    InstallChooser("zenity", 0, (games_ / "CONFIG.INI").string() + "\n");
    const FileTree before = EverythingWritable();
    EXPECT_EQ(Start(MenuStartMode::UseRemembered), std::nullopt);
    EXPECT_TRUE(ChangedSince(before).empty());
}

// Folder names a Linux file system allows, which the remembered file must give back whole.
class FolderNameTest : public MenuStartTest, public ::testing::WithParamInterface<std::string> {};

TEST_P(FolderNameTest, AChosenFolderIsUsedAgainByTheNextStartWithoutAsking) {
    const auto game = MakeGameFolder(GetParam());
    InstallChooser("zenity", 0, game.string() + "\n");
    ASSERT_EQ(Start(MenuStartMode::AskAgain), game);
    EXPECT_EQ(ReadBytes(RememberedFile()), game.string());

    std::filesystem::remove(programs_ / "zenity");  // asking now would show the message
    EXPECT_EQ(Start(MenuStartMode::UseRemembered), game);
    EXPECT_TRUE(MessageBoxes().empty());
}

INSTANTIATE_TEST_SUITE_P(Names, FolderNameTest,
                         ::testing::Values("Keldra Online", "K\xe4ldra (Latin-1)",
                                           "Program Files\\Keldra", "two\nlines", "ends\n",
                                           " spaced ", "\xff\xfe"));

}  // namespace

}  // namespace keldra::launch::testing
