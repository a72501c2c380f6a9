// keldra-config on a real desktop, given its game folder on the command line while started
// somewhere else: OK writes that folder's CONFIG.INI and nothing where it was started.
#include <gtest/gtest.h>

#include <filesystem>

#include "support/TempFolder.h"
#include "x11/EditorOnDesktop.h"

namespace {

using keldra::testing::ReadBytes;
using keldra::testing::TempFolder;
using keldra::testing::WriteBytes;

using EditorFolderArgumentTest = keldra::testing::EditorOnDesktop;

TEST_F(EditorFolderArgumentTest, OkSavesTheNamedFolderAndNothingWhereItWasStarted) {
    const TempFolder start;
    const std::filesystem::path game = folder_ / "caf\xE9 game";  // not UTF-8, with a space
    std::filesystem::create_directory(game);
    WriteBytes(game / "CONFIG.INI", "[SOUND]\r\nVOICE_CHAR=TRUE\r\n");

    ASSERT_FALSE(StartEditor({game.string()}, start.Path()).empty()) << EditorErrors();
    ClickAt(181, 72);   // the Sound tab
    ClickAt(81, 474);   // the "Character voice" check box, ticked in the file
    ClickAt(317, 625);  // OK
    EXPECT_EQ(WaitForExit(), 0) << EditorErrors();
    const std::string saved = ReadBytes(game / "CONFIG.INI");
    EXPECT_EQ(saved.rfind("[SOUND]\r\nVOICE_CHAR=FALSE\r\n", 0), 0u) << saved;
    EXPECT_TRUE(std::filesystem::is_empty(start.Path()));
}

}  // namespace
