// The real editor (keldra-headless) started in folders with long and unusual names: it works
// on the folder it was started in, or says it cannot and touches nothing.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include "support/ParamName.h"
#include "support/PngImage.h"
#include "support/ProgramRun.h"
#include "support/TempFolder.h"

namespace {

using keldra::testing::PngImage;
using keldra::testing::ProgramOutput;
using keldra::testing::ReadBytes;
using keldra::testing::TempFolder;
using keldra::testing::WriteBytes;

const std::filesystem::path kRootSettings = "/CONFIG.INI";
constexpr std::uint32_t kDesktop = 0x2D4A6E;  // keldra-headless's screen behind the windows
constexpr long kMainWindowArea = 293266;      // the editor's shaped window, in pixels

std::string LastLine(const std::string& text) {
    std::istringstream in(text);
    std::string last;
    for (std::string line; std::getline(in, line);) last = line;
    return last;
}

class StartFolderTest : public ::testing::Test {
  protected:
    void SetUp() override {
        std::filesystem::remove(kRootSettings);  // left by a run of the editor before the fix
        ASSERT_FALSE(std::filesystem::exists(kRootSettings));
        std::filesystem::permissions(scripts_.Path(), std::filesystem::perms::all);
    }
    void TearDown() override {
        EXPECT_FALSE(std::filesystem::exists(kRootSettings)) << "the editor wrote /CONFIG.INI";
    }

    // Runs keldra-headless in `folder` (or where the test already is, for a folder that has
    // no path any more), with `before` in front of it (to run it as another user).
    ProgramOutput Play(const std::string& script, const std::filesystem::path& folder = {},
                       std::vector<std::string> before = {}) {
        WriteBytes(scripts_ / "script.txt", script);
        std::filesystem::permissions(scripts_ / "script.txt", std::filesystem::perms::all);
        before.push_back(KELDRA_HEADLESS_PATH);
        before.push_back((scripts_ / "script.txt").string());
        const std::string program = before.front();
        before.erase(before.begin());
        if (folder.empty()) return keldra::testing::RunProgram(program, before);
        const auto previous = std::filesystem::current_path();
        std::filesystem::current_path(folder);
        ProgramOutput result = keldra::testing::RunProgram(program, before);
        std::filesystem::current_path(previous);
        return result;
    }

    // Pixels of the virtual screen that are not the desktop: what the program showed.
    long ShownPixels() const {
        const auto screen = PngImage::Read(scripts_ / "screen.png");
        if (!screen) return -1;
        long shown = 0;
        for (int y = 0; y < screen->height; ++y) {
            for (int x = 0; x < screen->width; ++x) {
                const std::uint8_t* p =
                    &screen->rgba[(static_cast<std::size_t>(y) * screen->width + x) * 4];
                shown += (std::uint32_t{p[0]} << 16 | std::uint32_t{p[1]} << 8 | p[2]) != kDesktop;
            }
        }
        return shown;
    }
    std::string ScreenCommand() const { return "screen " + (scripts_ / "screen.png").string(); }

    TempFolder scripts_;
};

struct FolderCase {
    const char* name;
    std::string folder;  // below the test's temporary folder
};

class StartFolderNameTest : public StartFolderTest,
                            public ::testing::WithParamInterface<FolderCase> {};

TEST_P(StartFolderNameTest, TheSettingsAreCreatedAndSavedInThatFolder) {
    TempFolder games;
    std::filesystem::create_directories(games / "game" / "x");  // where a misread '\' leads
    const std::filesystem::path folder = games / GetParam().folder;
    std::filesystem::create_directories(folder);

    ProgramOutput result = Play("key ESCAPE\n", folder);
    ASSERT_EQ(result.status, 0) << result.err;
    EXPECT_EQ(LastLine(result.out), "closed cancel");
    EXPECT_EQ(ReadBytes(folder / "CONFIG.INI").size(), 3202u) << "the default, created there";

    WriteBytes(folder / "CONFIG.INI", "[VIDEO]\r\nFULLSCREEN=FALSE\r\n");
    result = Play("click 300 625\n", folder);  // OK
    ASSERT_EQ(result.status, 0) << result.err;
    EXPECT_EQ(LastLine(result.out), "closed ok");
    const std::string saved = ReadBytes(folder / "CONFIG.INI");
    EXPECT_NE(saved.find("FULLSCREEN=FALSE\r\n"), std::string::npos) << saved;
    EXPECT_NE(saved.find("[SOUND]"), std::string::npos) << "every page saved there: " << saved;
    EXPECT_TRUE(std::filesystem::is_empty(games / "game" / "x"));
}

INSTANTIATE_TEST_SUITE_P(
    Folders, StartFolderNameTest,
    ::testing::Values(FolderCase{"Path300Long" /* beyond a 260-character buffer */,
                                 std::string(100, 'a') + "/" + std::string(100, 'b') + "/" +
                                     std::string(100, 'c')},
                      FolderCase{"Latin1Name", "caf\xE9"},
                      FolderCase{"BackslashInName", "game\\x"}),
    keldra::testing::ParamName<FolderCase>);

// The message stands alone on the screen: the editor's window never appears.
void ExpectOnlyTheMessage(long shown) {
    EXPECT_GT(shown, 0) << "a message is shown";
    EXPECT_LT(shown, kMainWindowArea / 2) << "and not the editor's window";
}

TEST_F(StartFolderTest, ARemovedFolderIsSaidAndNothingIsWritten) {
    TempFolder games;
    std::filesystem::create_directory(games / "gone");
    const auto previous = std::filesystem::current_path();
    std::filesystem::current_path(games / "gone");
    std::filesystem::remove(games / "gone");
    const ProgramOutput result = Play(ScreenCommand() + "\nkey ENTER\nstate\n");
    std::filesystem::current_path(previous);

    ASSERT_EQ(result.status, 0) << result.err;
    EXPECT_EQ(LastLine(result.out), "closed cancel") << result.out;
    ExpectOnlyTheMessage(ShownPixels());
    EXPECT_TRUE(std::filesystem::is_empty(games.Path()));
}

TEST_F(StartFolderTest, AFolderBelowOneThatMayNotBeSearchedIsSaidAndNothingIsWritten) {
    TempFolder games;
    const std::filesystem::path folder = games / "locked" / "game";
    std::filesystem::create_directories(folder);
    std::filesystem::permissions(games.Path(), std::filesystem::perms::all);
    std::filesystem::permissions(folder, std::filesystem::perms::all);  // open to the player
    std::filesystem::permissions(games / "locked", std::filesystem::perms::owner_all);

    const ProgramOutput result =
        Play(ScreenCommand() + "\nkey ENTER\n", folder,
             {"/usr/bin/setpriv", "--reuid=65534", "--regid=65534", "--clear-groups"});
    ASSERT_EQ(result.status, 0) << result.err;
    EXPECT_EQ(LastLine(result.out), "closed cancel") << result.out;
    ExpectOnlyTheMessage(ShownPixels());
    EXPECT_TRUE(std::filesystem::is_empty(folder));
}

}  // namespace
