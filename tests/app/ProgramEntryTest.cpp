// keldra-config started as a player starts it, with no desktop to show a window on: its
// process entry hands the arguments to the program byte for byte, the program follows them,
// and the desktop is reached only when a window is about to open, with the same few
// outcomes and statuses whatever the way there.
#include <gtest/gtest.h>
#include <stdlib.h>

#include <filesystem>
#include <string>
#include <vector>

#include "support/ParamName.h"
#include "support/ProgramRun.h"
#include "support/TempFolder.h"

namespace {

using keldra::testing::ProgramOutput;
using keldra::testing::TempFolder;

constexpr const char* kNoDesktop =
    "keldra-config: cannot open a window on this desktop: no display found (neither DISPLAY "
    "nor WAYLAND_DISPLAY is set)\n";

class NoDesktopTest : public ::testing::Test {
  protected:
    void SetUp() override {
        for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "SDL_VIDEODRIVER"}) unsetenv(name);
        start_ = std::filesystem::current_path();
        std::filesystem::current_path(root_.Path());
    }
    void TearDown() override { std::filesystem::current_path(start_); }

    static ProgramOutput Run(const std::vector<std::string>& arguments) {
        return keldra::testing::RunProgram(KELDRA_CONFIG_PATH, arguments);
    }
    // The run left the folder it was started in empty, as it found it.
    bool NothingCreated() const { return std::filesystem::is_empty(root_.Path()); }

    TempFolder root_;
    std::filesystem::path start_;
};

TEST_F(NoDesktopTest, WithoutArgumentsItGetsAsFarAsTheDesktopAndCreatesNothing) {
    const ProgramOutput result = Run({});
    EXPECT_EQ(result.status, 1);
    EXPECT_EQ(result.err, kNoDesktop);
    EXPECT_EQ(result.out, "");
    EXPECT_TRUE(NothingCreated()) << "no CONFIG.INI before a window could be shown";
}

TEST_F(NoDesktopTest, HelpOrVersionThatCannotBeWrittenIsAFailure) {
    for (const char* option : {"--help", "--version"}) {
        const ProgramOutput written = Run({option});
        EXPECT_EQ(written.status, 0) << option;
        EXPECT_NE(written.out, "") << option;
        const ProgramOutput lost = keldra::testing::RunProgram(
            "/bin/sh", {"-c", "exec \"$0\" \"$1\" >/dev/full", KELDRA_CONFIG_PATH, option});
        EXPECT_EQ(lost.status, 1) << option;
    }
}

// Started from the menu with no way to ask for a folder but a message box: the box needs the
// desktop, and so the program ends as when its window cannot be shown, remembering nothing.
TEST_F(NoDesktopTest, AMenuStartThatMustAskGetsAsFarAsTheDesktop) {
    const TempFolder config;
    const TempFolder noPrograms;
    const TempFolder noBus;
    const std::string path = getenv("PATH") != nullptr ? getenv("PATH") : "";
    setenv("XDG_CONFIG_HOME", config.Path().c_str(), 1);
    setenv("XDG_RUNTIME_DIR", noBus.Path().c_str(), 1);
    unsetenv("DBUS_SESSION_BUS_ADDRESS");
    setenv("PATH", noPrograms.Path().c_str(), 1);
    const ProgramOutput result = Run({"--choose-folder"});
    setenv("PATH", path.c_str(), 1);
    EXPECT_EQ(result.status, 1) << result.err;
    EXPECT_EQ(result.err, kNoDesktop);
    EXPECT_TRUE(std::filesystem::is_empty(config.Path()));
    EXPECT_TRUE(NothingCreated());
}

struct FolderName {
    std::string name;
    std::string folder;  // the bytes of its name
};

void PrintTo(const FolderName& row, std::ostream* out) {
    *out << row.name;
}

class FolderNameTest : public NoDesktopTest, public ::testing::WithParamInterface<FolderName> {
  protected:
    // The folder named last, after "--", so that a name may start with '-'.
    static ProgramOutput RunWith(const std::string& folder) { return Run({"--", folder}); }
};

TEST_P(FolderNameTest, AFolderThatIsThereIsEnteredBeforeTheDesktopIsLookedFor) {
    const std::string& folder = GetParam().folder;
    std::filesystem::create_directory(root_ / folder);
    const ProgramOutput result = RunWith(folder);
    EXPECT_EQ(result.status, 1) << result.err;
    EXPECT_EQ(result.err, kNoDesktop) << "the folder was found under the name given";
    EXPECT_TRUE(std::filesystem::is_empty(root_ / folder));
}

TEST_P(FolderNameTest, AMissingFolderIsNamedByteForByte) {
    const ProgramOutput result = RunWith(GetParam().folder);
    EXPECT_EQ(result.status, 2);
    EXPECT_EQ(result.err, "keldra-config: no such folder: '" + GetParam().folder + "'\n");
    EXPECT_TRUE(NothingCreated());
}

INSTANTIATE_TEST_SUITE_P(
    Names, FolderNameTest,
    ::testing::Values(FolderName{"Plain", "game"}, FolderName{"Latin1", "caf\xE9"},
                      FolderName{"CutUtf8", "caf\xC3"}, FolderName{"Spaces", "my game "},
                      FolderName{"Quotes", "say \"hi\""}, FolderName{"Backslashes", "a\\b\\"},
                      FolderName{"LeadingDash", "-game"}),
    keldra::testing::ParamName<FolderName>);

}  // namespace
