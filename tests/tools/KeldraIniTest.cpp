// keldra-ini as players and scripts use it.
#include <gtest/gtest.h>

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

class KeldraIniTest : public ::testing::Test {
  protected:
    void SetUp() override {
        WriteBytes(File(), "[VIDEO]\r\nSIZE_X=1280\r\nNAME=\"caf\xE9\"\r\nODD=7abc\r\nLONG=" +
                               std::string(300, 'L') + "\r\n");
    }
    std::string File() const { return (folder_ / "CONFIG.INI").string(); }
    TempFolder folder_;
};

TEST_F(KeldraIniTest, GetPrintsTheValueAsUtf8) {
    const ProgramOutput result = KeldraIni({"get", File(), "video", "name"});
    EXPECT_EQ(result.status, 0);
    EXPECT_EQ(result.out, "caf\xC3\xA9\n");
    EXPECT_EQ(KeldraIni({"get", File(), "VIDEO", "MISSING", "fallback"}).out, "fallback\n");
    EXPECT_EQ(KeldraIni({"get", File(), "VIDEO", "MISSING"}).out, "\n");
    EXPECT_EQ(KeldraIni({"get", File(), "VIDEO", "LONG"}).out, std::string(259, 'L') + "\n");
}

TEST_F(KeldraIniTest, GetIntParsesLikeTheEditor) {
    EXPECT_EQ(KeldraIni({"get-int", File(), "VIDEO", "SIZE_X"}).out, "1280\n");
    EXPECT_EQ(KeldraIni({"get-int", File(), "VIDEO", "ODD"}).out, "7\n");
    EXPECT_EQ(KeldraIni({"get-int", File(), "VIDEO", "NAME", "5"}).out, "0\n");
    EXPECT_EQ(KeldraIni({"get-int", File(), "VIDEO", "MISSING"}).out, "0\n");
    EXPECT_EQ(KeldraIni({"get-int", File(), "VIDEO", "MISSING", "-3"}).out, "-3\n");
}

TEST_F(KeldraIniTest, SetWritesOnlyThatLine) {
    const ProgramOutput result = KeldraIni({"set", File(), "VIDEO", "SIZE_X", "1920"});
    EXPECT_EQ(result.status, 0);
    EXPECT_EQ(result.err, "");
    EXPECT_EQ(ReadBytes(File()), "[VIDEO]\r\nSIZE_X=1920\r\nNAME=\"caf\xE9\"\r\nODD=7abc\r\nLONG=" +
                                     std::string(300, 'L') + "\r\n");
    EXPECT_EQ(KeldraIni({"set", File(), "SOUND", "TITLE", "\xED\x95\x9C"}).status, 0);
    EXPECT_EQ(KeldraIni({"get", File(), "SOUND", "TITLE"}).out, "?\n")
        << "Windows-1252 cannot hold it";
}

TEST_F(KeldraIniTest, AFailedWriteSaysWhyInOneLine) {
    const std::string missing = (folder_ / "nowhere" / "CONFIG.INI").string();
    const ProgramOutput result = KeldraIni({"set", missing, "VIDEO", "SIZE_X", "1"});
    EXPECT_EQ(result.status, 1);
    EXPECT_EQ(result.err, "keldra-ini: cannot write " + missing + ": No such file or directory\n");
}

TEST_F(KeldraIniTest, WrongUsagePrintsTheUsage) {
    const std::vector<std::vector<std::string>> wrong = {
        {},
        {"get", File(), "VIDEO"},
        {"frobnicate", File(), "VIDEO", "SIZE_X"},
        {"set", File(), "VIDEO", "SIZE_X"},
        {"get", File(), "VIDEO", "SIZE_X", "d", "extra"},
        {"get-int", File(), "VIDEO", "SIZE_X", "notanumber"},
    };
    for (const auto& args : wrong) {
        const ProgramOutput result = KeldraIni(args);
        EXPECT_EQ(result.status, 2) << args.size() << " arguments";
        EXPECT_NE(result.err.find("usage: keldra-ini get FILE SECTION KEY"), std::string::npos);
    }
    EXPECT_EQ(ReadBytes(File()).find("SIZE_X=1280"), 9u) << "no usage error may write";
}

}  // namespace
