// keldra-config's and keldra-headless's command lines: which folder, which script, which
// option, and every mistake refused with one line before anything is opened.
#include <gtest/gtest.h>

#include <string>
#include <variant>
#include <vector>

#include "HeadlessCommandLine.h"
#include "launch/CommandLine.h"
#include "support/ParamName.h"
#include "support/TempFolder.h"

namespace {

using keldra::headless::HeadlessCommandLine;
using keldra::headless::HeadlessStart;
using keldra::launch::CommandLine;
using keldra::launch::EditFolder;
using keldra::launch::EditMenuFolder;
using keldra::launch::MenuStartMode;
using keldra::launch::ShowHelp;
using keldra::launch::ShowVersion;
using keldra::launch::UsageError;
using keldra::testing::TempFolder;
using keldra::testing::WriteBytes;

const std::string kSeeConfigHelp = " (see keldra-config --help)";
const std::string kSeeHeadlessHelp = " (see keldra-headless --help)";

// Rows name files in a fresh folder, the current one while the row runs, by relative names or
// as "@/name"; these are the things in it.
class ArgumentFolder {
  public:
    ArgumentFolder() {
        std::filesystem::create_directory(root_ / "game");
        std::filesystem::create_directory(root_ / "-dash");
        std::filesystem::create_directory(root_ / "-");
        WriteBytes(root_ / "file.txt", "state\n");
        std::filesystem::current_path(root_.Path());
    }
    ~ArgumentFolder() { std::filesystem::current_path(previous_); }
    std::string Expand(const std::string& text) const {
        std::string expanded;
        for (const char c : text) expanded += c == '@' ? root_.Path().string() : std::string(1, c);
        return expanded;
    }
    std::vector<std::string> Expand(const std::vector<std::string>& texts) const {
        std::vector<std::string> expanded;
        for (const std::string& text : texts) expanded.push_back(Expand(text));
        return expanded;
    }

  private:
    std::filesystem::path previous_ = std::filesystem::current_path();
    TempFolder root_;
};

std::vector<const char*> Pointers(const std::vector<std::string>& arguments) {
    std::vector<const char*> pointers;
    for (const std::string& argument : arguments) pointers.push_back(argument.c_str());
    return pointers;
}

// One line for each request, so a row states the whole expected value.
struct Describe {
    std::string operator()(const EditFolder& edit) const { return "edit " + edit.folder.string(); }
    std::string operator()(const EditMenuFolder& menu) const {
        return menu.mode == MenuStartMode::UseRemembered ? "menu remembered" : "menu ask";
    }
    std::string operator()(const ShowHelp&) const { return "help"; }
    std::string operator()(const ShowVersion&) const { return "version"; }
    std::string operator()(const UsageError& error) const { return "error " + error.message; }
    std::string operator()(const HeadlessStart& start) const {
        return "folder " + start.folder.string() + " script " + start.script.string();
    }
};

struct Row {
    std::string name;
    std::vector<std::string> arguments;
    std::string expected;  // as Describe puts it, "@" for the folder of the row's files
};

void PrintTo(const Row& row, std::ostream* out) {
    *out << row.name;
}

class ConfigCommandLineTest : public ::testing::TestWithParam<Row> {};

TEST_P(ConfigCommandLineTest, GivesTheRequestOrOneLineSayingWhatIsWrong) {
    const ArgumentFolder folder;
    const auto arguments = folder.Expand(GetParam().arguments);
    const auto pointers = Pointers(arguments);
    const std::string described = std::visit(Describe{}, CommandLine::Parse(pointers));
    EXPECT_EQ(described, folder.Expand(GetParam().expected));
    EXPECT_EQ(described.find('\n'), std::string::npos);
}

INSTANTIATE_TEST_SUITE_P(
    Arguments, ConfigCommandLineTest,
    ::testing::Values(
        Row{"Nothing", {}, "edit "}, Row{"AFolder", {"@/game"}, "edit @/game"},
        Row{"AFolderWithASlash", {"@/game/"}, "edit @/game/"},
        Row{"AMissingFolder", {"@/gone"}, "error no such folder: '@/gone'"},
        Row{"AFileInsteadOfAFolder", {"@/file.txt"}, "error not a folder: '@/file.txt'"},
        Row{"AFolderInsideAFile", {"@/file.txt/game"}, "error not a folder: '@/file.txt/game'"},
        Row{"AnEmptyName", {""}, "error no such folder: ''"},
        Row{"ANewlineInAMissingName", {"@/a\nb"}, "error no such folder: '@/a?b'"},
        Row{"TwoFolders",
            {"@/game", "@/game"},
            "error one game folder at most, 2 given" + kSeeConfigHelp},
        Row{"AnUnknownOption",
            {"--bogus", "@/game"},
            "error unknown option '--bogus'" + kSeeConfigHelp},
        Row{"AnUnknownShortOption", {"-x"}, "error unknown option '-x'" + kSeeConfigHelp},
        Row{"AnOptionWithAValue",
            {"--help=yes"},
            "error unknown option '--help=yes'" + kSeeConfigHelp},
        Row{"Help", {"--help"}, "help"}, Row{"ShortHelp", {"-h"}, "help"},
        Row{"HelpBeforeAMistake", {"--help", "--bogus", "@/gone"}, "help"},
        Row{"HelpAfterAFolder", {"@/gone", "--help"}, "help"},
        Row{"AMistakeBeforeHelp",
            {"--bogus", "--help"},
            "error unknown option '--bogus'" + kSeeConfigHelp},
        Row{"Version", {"--version"}, "version"},
        Row{"EndOfOptionsThenAnOptionName", {"--", "--help"}, "error no such folder: '--help'"},
        Row{"EndOfOptionsThenAFolderLikeAnOption", {"--", "-dash"}, "edit -dash"},
        Row{"EndOfOptionsThenAFolder", {"--", "@/-dash"}, "edit @/-dash"},
        Row{"EndOfOptionsTwice", {"--", "--"}, "error no such folder: '--'"},
        Row{"ADashIsAName", {"-"}, "edit -"}, Row{"ARelativeFolder", {"game"}, "edit game"},
        Row{"Menu", {"--menu"}, "menu remembered"},
        Row{"ChooseFolder", {"--choose-folder"}, "menu ask"},
        Row{"MenuWithAFolder",
            {"--menu", "@/game"},
            "error a game folder and --menu or --choose-folder cannot be given together" +
                kSeeConfigHelp},
        Row{"BothMenuOptions",
            {"--menu", "--choose-folder"},
            "error give only one of --menu and --choose-folder" + kSeeConfigHelp}),
    keldra::testing::ParamName<Row>);

TEST(ConfigCommandLine, HelpShowsTheUsageAndVersionOneLine) {
    EXPECT_EQ(CommandLine::Help().rfind("Usage: keldra-config [GAME_FOLDER]\n", 0), 0u);
    EXPECT_EQ(CommandLine::Version(), "keldra-config " KELDRA_EXPECTED_VERSION "\n");
}

class HeadlessCommandLineTest : public ::testing::TestWithParam<Row> {};

TEST_P(HeadlessCommandLineTest, TellsTheFolderFromTheScript) {
    const ArgumentFolder folder;
    const auto arguments = folder.Expand(GetParam().arguments);
    const auto pointers = Pointers(arguments);
    const std::string described = std::visit(Describe{}, HeadlessCommandLine::Parse(pointers));
    EXPECT_EQ(described, folder.Expand(GetParam().expected));
}

INSTANTIATE_TEST_SUITE_P(
    Arguments, HeadlessCommandLineTest,
    ::testing::Values(
        Row{"Nothing", {}, "folder  script "},
        Row{"AScript", {"@/file.txt"}, "folder  script @/file.txt"},
        Row{"AMissingScriptIsReadLater", {"@/gone"}, "folder  script @/gone"},
        Row{"AFolder", {"@/game"}, "folder @/game script "},
        Row{"AFolderAndAScript", {"@/game", "@/file.txt"}, "folder @/game script @/file.txt"},
        Row{"AMissingFolderEndingInASlash", {"@/gone/"}, "error no such folder: '@/gone/'"},
        Row{"AFileEndingInASlash", {"@/file.txt/"}, "error not a folder: '@/file.txt/'"},
        Row{"AMissingFolderAndAScript", {"@/gone", "@/file.txt"}, "error no such folder: '@/gone'"},
        Row{"AScriptThenAFolder", {"@/file.txt", "@/game"}, "error not a folder: '@/file.txt'"},
        Row{"TwoFolders",
            {"@/game", "@/game"},
            "error the script '@/game' is a folder" + kSeeHeadlessHelp},
        Row{"ThreeNames",
            {"@/game", "@/file.txt", "@/file.txt"},
            "error at most a game folder and a script, 3 arguments given" + kSeeHeadlessHelp},
        Row{"AnUnknownOption",
            {"--folder", "@/game"},
            "error unknown option '--folder'" + kSeeHeadlessHelp},
        Row{"Help", {"--help"}, "help"},
        Row{"EndOfOptions", {"--", "@/-dash", "-x"}, "folder @/-dash script -x"}),
    keldra::testing::ParamName<Row>);

}  // namespace
