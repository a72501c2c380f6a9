// keldra-ini as players and scripts use it.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>

#include "support/ParamName.h"
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

struct NonUtf8Argument {
    const char* name;
    std::vector<std::string> args;  // FILE goes after the command
    const char* refused;
};

class KeldraIniNonUtf8Test : public KeldraIniTest,
                             public ::testing::WithParamInterface<NonUtf8Argument> {};

TEST_P(KeldraIniNonUtf8Test, IsRefusedInOneLineAndTheFileStaysAsItWas) {
    const std::string before = ReadBytes(File());
    std::vector<std::string> args = GetParam().args;
    args.insert(args.begin() + 1, File());
    const ProgramOutput result = KeldraIni(args);
    EXPECT_EQ(result.status, 2);
    EXPECT_EQ(result.err,
              std::string("keldra-ini: ") + GetParam().refused + " is not valid UTF-8\n");
    EXPECT_EQ(result.out, "");
    EXPECT_EQ(ReadBytes(File()), before);
}

INSTANTIATE_TEST_SUITE_P(
    Arguments, KeldraIniNonUtf8Test,
    ::testing::Values(
        NonUtf8Argument{"set_section", {"set", "VID\xC9O", "SIZE_X", "1"}, "SECTION"},
        NonUtf8Argument{"set_key", {"set", "VIDEO", "SIZE_\xFF", "1"}, "KEY"},
        NonUtf8Argument{"set_value_latin1", {"set", "VIDEO", "SIZE_X", "caf\xE9"}, "VALUE"},
        NonUtf8Argument{"set_value_cut_short", {"set", "VIDEO", "SIZE_X", "\xE2\x82"}, "VALUE"},
        NonUtf8Argument{"set_value_surrogate", {"set", "VIDEO", "SIZE_X", "\xED\xA0\x80"}, "VALUE"},
        NonUtf8Argument{
            "set_value_above_unicode", {"set", "VIDEO", "SIZE_X", "\xF4\x90\x80\x80"}, "VALUE"},
        NonUtf8Argument{"set_value_overlong", {"set", "VIDEO", "SIZE_X", "\xC0\xAF"}, "VALUE"},
        NonUtf8Argument{"get_section", {"get", "VIDEO\x80", "SIZE_X"}, "SECTION"},
        NonUtf8Argument{"get_key", {"get", "VIDEO", "\xFESIZE_X"}, "KEY"},
        NonUtf8Argument{"get_default", {"get", "VIDEO", "MISSING", "caf\xE9"}, "DEFAULT"},
        NonUtf8Argument{"get_int_key", {"get-int", "VIDEO", "SIZE_X\xA0", "5"}, "KEY"}),
    keldra::testing::ParamName<NonUtf8Argument>);

// Standard output that cannot be written: a full device.
ProgramOutput KeldraIniIntoFullDevice(const std::vector<std::string>& args) {
    std::vector<std::string> shellArgs = {"-c", "exec \"$0\" \"$@\" > /dev/full", KELDRA_INI_PATH};
    shellArgs.insert(shellArgs.end(), args.begin(), args.end());
    return keldra::testing::RunProgram("/bin/sh", shellArgs);
}

TEST_F(KeldraIniTest, OutputThatCannotBeWrittenFailsWithOneLine) {
    for (const std::vector<std::string>& args : std::vector<std::vector<std::string>>{
             {"get", File(), "VIDEO", "SIZE_X"}, {"get-int", File(), "VIDEO", "SIZE_X"}}) {
        const ProgramOutput result = KeldraIniIntoFullDevice(args);
        EXPECT_EQ(result.status, 1) << args[0];
        EXPECT_EQ(result.err, "keldra-ini: cannot write the output: No space left on device\n")
            << args[0];
    }
}

// A hole of 100 GiB behind a few real lines: far more than memory holds.
TEST_F(KeldraIniTest, AHugeFileReadsAsDefaultsAndIsNotWritten) {
    const std::string head = "[VIDEO]\r\nSIZE_X=1280\r\n";
    WriteBytes(File(), head);
    constexpr std::uintmax_t kHuge = 100ull << 30;
    std::filesystem::resize_file(File(), kHuge);

    const ProgramOutput get = KeldraIni({"get", File(), "VIDEO", "SIZE_X", "1024"});
    EXPECT_EQ(get.status, 0);
    EXPECT_EQ(get.out, "1024\n");
    EXPECT_EQ(get.err, "");
    const ProgramOutput getInt = KeldraIni({"get-int", File(), "VIDEO", "SIZE_X", "800"});
    EXPECT_EQ(getInt.status, 0);
    EXPECT_EQ(getInt.out, "800\n");

    const ProgramOutput set = KeldraIni({"set", File(), "VIDEO", "SIZE_X", "1920"});
    EXPECT_EQ(set.status, 1);
    ASSERT_EQ(std::count(set.err.begin(), set.err.end(), '\n'), 1) << set.err;
    EXPECT_TRUE(set.err.starts_with("keldra-ini: cannot write " + File() + ": ")) << set.err;
    EXPECT_NE(set.err.find("too large"), std::string::npos) << set.err;
    EXPECT_EQ(std::filesystem::file_size(File()), kHuge);
    std::ifstream in(File(), std::ios::binary);
    std::string start(head.size(), '\0');
    in.read(start.data(), static_cast<std::streamsize>(start.size()));
    EXPECT_EQ(start, head);
}

}  // namespace
