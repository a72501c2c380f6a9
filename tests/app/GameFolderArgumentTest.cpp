// The real programs given a game folder on the command line: they work there exactly as if
// started there, and refuse a folder they cannot use with one line, before anything opens.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "support/ParamName.h"
#include "support/ProgramRun.h"
#include "support/TempFolder.h"

namespace {

using keldra::testing::ProgramOutput;
using keldra::testing::ReadBytes;
using keldra::testing::TempFolder;
using keldra::testing::WriteBytes;

// Runs a program with its current folder set to `folder`.
ProgramOutput RunIn(const std::filesystem::path& folder, const std::string& program,
                    const std::vector<std::string>& arguments) {
    const auto previous = std::filesystem::current_path();
    std::filesystem::current_path(folder);
    ProgramOutput result = keldra::testing::RunProgram(program, arguments);
    std::filesystem::current_path(previous);
    return result;
}

// Every name below `folder`, so a test sees anything a run created.
std::set<std::string> Contents(const std::filesystem::path& folder) {
    std::set<std::string> names;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(folder)) {
        names.insert(std::filesystem::relative(entry.path(), folder).string());
    }
    return names;
}

std::string LastLine(const std::string& text) {
    std::istringstream in(text);
    std::string last;
    for (std::string line; std::getline(in, line);) last = line;
    return last;
}

void ExpectOneErrorLine(const ProgramOutput& result, const std::string& start) {
    EXPECT_EQ(std::count(result.err.begin(), result.err.end(), '\n'), 1) << result.err;
    EXPECT_EQ(result.err.rfind(start, 0), 0u) << result.err;
    EXPECT_EQ(result.out, "");
}

struct GameFolder {
    std::string name;
    std::string folder;    // below the test's temporary folder
    bool givenRelatively;  // named from the start folder ("../...") rather than in full
};

void PrintTo(const GameFolder& row, std::ostream* out) {
    *out << row.name;
}

class HeadlessGameFolderTest : public ::testing::TestWithParam<GameFolder> {
  protected:
    HeadlessGameFolderTest() {
        std::filesystem::create_directory(start_);
        std::filesystem::create_directories(game_);
    }
    std::string Argument() const {
        return GetParam().givenRelatively ? "../" + GetParam().folder : game_.string();
    }

    TempFolder root_;
    const std::filesystem::path start_ = root_ / "start";
    const std::filesystem::path game_ = root_ / GetParam().folder;
};

// The Sound tab, the "Character voice" check box (ticked by default), OK.
constexpr const char* kUntickVoiceAndOk = "click 181 72\nclick 81 474\nclick 300 625\n";

TEST_P(HeadlessGameFolderTest, CreatesAndSavesTheSettingsThereAndNothingWhereStarted) {
    WriteBytes(start_ / "script.txt", std::string("snapshot shot.png\n") + kUntickVoiceAndOk);
    const ProgramOutput result = RunIn(start_, KELDRA_HEADLESS_PATH, {Argument(), "script.txt"});
    ASSERT_EQ(result.status, 0) << result.err;
    EXPECT_EQ(LastLine(result.out), "closed ok");
    const std::string saved = ReadBytes(game_ / "CONFIG.INI");
    EXPECT_NE(saved.find("VOICE_CHAR=FALSE\r\n"), std::string::npos) << saved;
    EXPECT_TRUE(std::filesystem::exists(game_ / "shot.png")) << "files of the script land there";
    EXPECT_EQ(Contents(start_), std::set<std::string>{"script.txt"});
}

TEST_P(HeadlessGameFolderTest, AFolderAloneReadsTheScriptFromStandardInput) {
    // Standard input is empty here: the editor starts, creates the default, and is left open.
    const ProgramOutput result =
        RunIn(start_, "/bin/sh",
              {"-c", std::string(KELDRA_HEADLESS_PATH) + " \"$0\" </dev/null", Argument()});
    ASSERT_EQ(result.status, 0) << result.err;
    EXPECT_EQ(LastLine(result.out), "still open");
    EXPECT_EQ(ReadBytes(game_ / "CONFIG.INI").size(), 3202u) << "the default, created there";
    EXPECT_TRUE(std::filesystem::is_empty(start_));
}

INSTANTIATE_TEST_SUITE_P(Folders, HeadlessGameFolderTest,
                         ::testing::Values(GameFolder{"Plain", "game", false},
                                           GameFolder{"Relative", "game", true},
                                           GameFolder{"Latin1Name", "caf\xE9", false},
                                           GameFolder{"BackslashInName", "game\\x", true}),
                         keldra::testing::ParamName<GameFolder>);

TEST(HeadlessGameFolder, AMissingFolderOrUnknownOptionStopsItWithOneLine) {
    TempFolder start;
    WriteBytes(start / "script.txt", "state\n");
    for (const std::vector<std::string>& arguments :
         std::vector<std::vector<std::string>>{{(start / "gone").string(), "script.txt"},
                                               {(start / "gone").string() + "/"},
                                               {"--folder", start.Path().string(), "script.txt"}}) {
        const ProgramOutput result = RunIn(start.Path(), KELDRA_HEADLESS_PATH, arguments);
        EXPECT_EQ(result.status, 2) << arguments[0];
        ExpectOneErrorLine(result, "keldra-headless: ");
        EXPECT_EQ(Contents(start.Path()), std::set<std::string>{"script.txt"}) << arguments[0];
    }
}

// keldra-config, with no desktop to open a window on: a mistake must be found before it
// tries, so these runs end with status 2 and never reach "no display".
class ConfigArgumentTest : public ::testing::Test {
  protected:
    void SetUp() override {
        unsetenv("DISPLAY");
        unsetenv("WAYLAND_DISPLAY");
        std::filesystem::permissions(root_.Path(), std::filesystem::perms::all);
        std::filesystem::create_directories(root_ / "locked" / "game");
        std::filesystem::permissions(root_ / "locked", std::filesystem::perms::owner_all);
        std::filesystem::create_directory(root_ / "game");
        WriteBytes(root_ / "file.txt", "");
        before_ = Contents(root_.Path());
    }
    void TearDown() override {
        EXPECT_EQ(Contents(root_.Path()), before_) << "the run created or removed something";
    }
    ProgramOutput Run(const std::vector<std::string>& arguments) {
        return RunIn(root_.Path(), KELDRA_CONFIG_PATH, arguments);
    }
    // As a player, for whom the locked folder's permissions apply.
    ProgramOutput RunAsPlayer(const std::vector<std::string>& arguments) {
        std::vector<std::string> all = {"--reuid=65534", "--regid=65534", "--clear-groups",
                                        KELDRA_CONFIG_PATH};
        all.insert(all.end(), arguments.begin(), arguments.end());
        return RunIn(root_.Path(), "/usr/bin/setpriv", all);
    }

    TempFolder root_;
    std::set<std::string> before_;
};

struct BadArguments {
    std::string name;
    std::vector<std::string> arguments;  // "@" stands for the test's folder
    std::string error;                   // the start of the line on standard error
    bool asPlayer = false;
};

void PrintTo(const BadArguments& row, std::ostream* out) {
    *out << row.name;
}

class ConfigBadArgumentTest : public ConfigArgumentTest,
                              public ::testing::WithParamInterface<BadArguments> {};

TEST_P(ConfigBadArgumentTest, EndsWithStatus2AndOneLineBeforeOpeningAnything) {
    std::vector<std::string> arguments;
    for (std::string argument : GetParam().arguments) {
        if (argument.rfind('@', 0) == 0) argument = root_.Path().string() + argument.substr(1);
        arguments.push_back(argument);
    }
    const ProgramOutput result = GetParam().asPlayer ? RunAsPlayer(arguments) : Run(arguments);
    EXPECT_EQ(result.status, 2) << result.err;
    ExpectOneErrorLine(result, "keldra-config: " + GetParam().error);
}

INSTANTIATE_TEST_SUITE_P(
    Mistakes, ConfigBadArgumentTest,
    ::testing::Values(
        BadArguments{"MissingFolder", {"gone"}, "no such folder: 'gone'"},
        BadArguments{"MissingFolderWithANewline", {"go\nne"}, "no such folder: 'go?ne'"},
        BadArguments{"FileInsteadOfAFolder", {"file.txt"}, "not a folder: 'file.txt'"},
        BadArguments{"UnknownOption", {"--bogus"}, "unknown option '--bogus'"},
        BadArguments{"UnknownOptionBeforeAFolder", {"-q", "game"}, "unknown option '-q'"},
        BadArguments{"TwoFolders", {"game", "game"}, "one game folder at most"},
        BadArguments{"MenuWithAFolder", {"--menu", "game"}, "a game folder and --menu"},
        BadArguments{"FolderThatCannotBeEntered", {"@/locked"}, "cannot enter '", true},
        BadArguments{"FolderThatCannotBeReached", {"@/locked/game"}, "cannot reach '", true}),
    keldra::testing::ParamName<BadArguments>);

TEST_F(ConfigArgumentTest, HelpAndVersionGoToStandardOutput) {
    ProgramOutput result = Run({"--help"});
    EXPECT_EQ(result.status, 0);
    EXPECT_EQ(result.out.rfind("Usage: keldra-config [GAME_FOLDER]\n", 0), 0u) << result.out;
    EXPECT_EQ(result.err, "");
    result = Run({"game", "--version"});
    EXPECT_EQ(result.status, 0);
    EXPECT_EQ(result.out, "keldra-config " KELDRA_EXPECTED_VERSION "\n");
    EXPECT_EQ(result.err, "");
}

TEST_F(ConfigArgumentTest, AGoodFolderGetsAsFarAsLookingForTheDesktop) {
    const ProgramOutput result = Run({"game"});
    EXPECT_EQ(result.status, 1) << result.err;
    ExpectOneErrorLine(result, "keldra-config: ");
    EXPECT_EQ(result.err.find("folder"), std::string::npos) << result.err;
}

}  // namespace
