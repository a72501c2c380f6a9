// keldra-ini's FILE is a Linux path: a backslash belongs to a name and every byte is kept.
#include <gtest/gtest.h>

#include <filesystem>

#include "support/ProgramRun.h"
#include "support/TempFolder.h"

namespace {

using keldra::testing::ProgramOutput;
using keldra::testing::ReadBytes;
using keldra::testing::TempFolder;
using keldra::testing::WriteBytes;

ProgramOutput KeldraIni(const std::vector<std::string>& args) {
    return keldra::testing::RunProgram(KELDRA_INI_PATH, args);
}

TEST(KeldraIniFileName, AFileNamedWithABackslashAndALatin1ByteIsTheFileUsed) {
    TempFolder folder;
    std::filesystem::create_directories(folder / "game" / "x");  // what a '\' as separator finds
    std::filesystem::create_directory(folder / "game\\x");
    const std::filesystem::path file = folder / "game\\x" / "caf\xE9\\CONFIG.INI";
    WriteBytes(file, "[VIDEO]\r\nSIZE_X=800\r\n");

    EXPECT_EQ(KeldraIni({"get", file.string(), "VIDEO", "SIZE_X"}).out, "800\n");
    EXPECT_EQ(KeldraIni({"get-int", file.string(), "VIDEO", "SIZE_X"}).out, "800\n");
    const ProgramOutput set = KeldraIni({"set", file.string(), "VIDEO", "SIZE_X", "1280"});
    EXPECT_EQ(set.status, 0) << set.err;
    EXPECT_EQ(ReadBytes(file), "[VIDEO]\r\nSIZE_X=1280\r\n");

    const std::filesystem::path fresh = folder / "game\\x" / "\xFF\\new.ini";
    ASSERT_EQ(KeldraIni({"set", fresh.string(), "SOUND", "VOL_BGM", "3"}).status, 0);
    EXPECT_EQ(ReadBytes(fresh), "[SOUND]\r\nVOL_BGM=3\r\n");

    EXPECT_TRUE(std::filesystem::is_empty(folder / "game" / "x"));
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder / "game\\x"), {}), 2)
        << "the two files and nothing else";
}

// The folder `no\such` does not exist, but no/such does: the write fails, and names FILE.
TEST(KeldraIniFileName, AMissingFolderWithABackslashIsNotAnotherFolder) {
    TempFolder folder;
    std::filesystem::create_directories(folder / "no" / "such");
    const std::filesystem::path file = folder / "no\\such" / "CONFIG.INI";
    const ProgramOutput set = KeldraIni({"set", file.string(), "VIDEO", "SIZE_X", "1"});
    EXPECT_EQ(set.status, 1);
    EXPECT_NE(set.err.find(file.string()), std::string::npos) << set.err;
    EXPECT_TRUE(std::filesystem::is_empty(folder / "no" / "such"));
}

}  // namespace
