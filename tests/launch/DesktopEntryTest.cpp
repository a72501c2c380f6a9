// The installed menu entry: valid for the desktop, started with the remembered folder, and
// with an action that asks for the folder again.
#include <gtest/gtest.h>

#include <fstream>
#include <map>
#include <string>

#include "support/ProgramRun.h"

namespace keldra::launch {

namespace {

using Groups = std::map<std::string, std::map<std::string, std::string>>;

Groups ReadDesktopEntry(const std::string& file) {
    Groups groups;
    std::ifstream in(file);
    std::string group;
    for (std::string line; std::getline(in, line);) {
        if (line.starts_with('[') && line.ends_with(']')) {
            group = line.substr(1, line.size() - 2);
        } else if (const auto equals = line.find('='); equals != std::string::npos) {
            groups[group][line.substr(0, equals)] = line.substr(equals + 1);
        }
    }
    return groups;
}

TEST(DesktopEntryTest, IsValidForTheDesktop) {
    const auto run =
        keldra::testing::RunProgram("/usr/bin/desktop-file-validate", {KELDRA_DESKTOP_ENTRY});
    EXPECT_EQ(run.status, 0) << run.out << run.err;
    EXPECT_EQ(run.out.find("error"), std::string::npos) << run.out;
}

TEST(DesktopEntryTest, StartsWithTheRememberedFolderAndCanAskAgain) {
    auto groups = ReadDesktopEntry(KELDRA_DESKTOP_ENTRY);
    EXPECT_EQ(groups["Desktop Entry"]["Exec"], "keldra-config --menu");
    EXPECT_EQ(groups["Desktop Entry"]["Actions"], "choose-folder;");
    EXPECT_EQ(groups["Desktop Action choose-folder"]["Name"], "Choose the game folder…");
    EXPECT_EQ(groups["Desktop Action choose-folder"]["Exec"], "keldra-config --choose-folder");
}

}  // namespace

}  // namespace keldra::launch
