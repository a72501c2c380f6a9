// What the process entry records before the program starts: the arguments as the C runtime
// keeps them (__argc, __argv, the very bytes) and a command line that the Windows rules
// split back into the same arguments.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "platform/kernel/CommandLineText.h"
#include "platform/kernel/ProcessArguments.h"
#include "support/ParamName.h"

namespace keldra::platform {
namespace {

struct Start {
    std::string name;
    std::vector<std::string> arguments;  // the program's name first
    std::wstring line;                   // GetCommandLineW()
    std::wstring tail;                   // what wWinMain receives
};

void PrintTo(const Start& row, std::ostream* out) {
    *out << row.name;
}

class ProcessStartTest : public ::testing::TestWithParam<Start> {
  protected:
    ~ProcessStartTest() override { ProcessArguments::Record(0, nullptr); }
};

TEST_P(ProcessStartTest, KeepsTheArgumentsAndWritesThemAsOneCommandLine) {
    std::vector<std::string> bytes = GetParam().arguments;
    std::vector<char*> argv;
    for (std::string& argument : bytes) argv.push_back(argument.data());
    argv.push_back(nullptr);
    const int argc = static_cast<int>(bytes.size());

    ProcessArguments::Record(argc, argv.data());

    EXPECT_EQ(__argc, argc);
    EXPECT_EQ(__argv, argv.data()) << "the program reads main's own arguments";
    EXPECT_EQ(std::wstring(GetCommandLineW()), GetParam().line);
    EXPECT_EQ(std::wstring(ProcessArguments::CommandTail()), GetParam().tail);
}

INSTANTIATE_TEST_SUITE_P(
    Lines, ProcessStartTest,
    ::testing::Values(
        Start{"NameOnly", {"keldra-config"}, L"keldra-config", L""},
        Start{"NotEvenAName", {}, L"", L""},
        Start{"Options",
              {"/usr/bin/keldra-config", "--menu"},
              L"/usr/bin/keldra-config --menu",
              L"--menu"},
        Start{"NameWithASpace",
              {"/opt/my games/keldra-config", "game"},
              L"\"/opt/my games/keldra-config\" game",
              L"game"},
        Start{"SpacesAndNothing",
              {"k", "two words", "", "x"},
              L"k \"two words\" \"\" x",
              L"\"two words\" \"\" x"},
        Start{"TabAndNewline", {"k", "a\tb", "c\nd"}, L"k \"a\tb\" \"c\nd\"", L"\"a\tb\" \"c\nd\""},
        Start{"Quotes", {"k", "say \"hi\""}, L"k \"say \\\"hi\\\"\"", L"\"say \\\"hi\\\"\""},
        Start{"Utf8", {"k", "caf\xC3\xA9"}, L"k caf\u00E9", L"caf\u00E9"},
        // As file names come through: the bytes can be had back from the wide text.
        Start{"BytesThatAreNotUtf8", {"k", "caf\xE9"}, L"k caf\xDCE9", L"caf\xDCE9"},
        Start{"BackslashInAName",
              {"k", "a\\b"},
              L"k a\xF05C"
              L"b",
              L"a\xF05C"
              L"b"}),
    keldra::testing::ParamName<Start>);

struct Quoting {
    std::string name;
    std::wstring argument;
    std::wstring written;
};

void PrintTo(const Quoting& row, std::ostream* out) {
    *out << row.name;
}

class ArgumentQuotingTest : public ::testing::TestWithParam<Quoting> {};

// Backslashes escape only a quote, or the closing quote the argument gets.
TEST_P(ArgumentQuotingTest, BackslashesAreDoubledOnlyBeforeAQuote) {
    EXPECT_EQ(CommandLineText::Argument(GetParam().argument), GetParam().written);
}

INSTANTIATE_TEST_SUITE_P(Backslashes, ArgumentQuotingTest,
                         ::testing::Values(Quoting{"Plain", L"a\\b", L"a\\b"},
                                           Quoting{"InsideQuotes", L"a\\b c", L"\"a\\b c\""},
                                           Quoting{"BeforeAQuote", L"x\\\"y", L"\"x\\\\\\\"y\""},
                                           Quoting{"AtTheEnd", L"a b\\\\", L"\"a b\\\\\\\\\""}),
                         keldra::testing::ParamName<Quoting>);

TEST(ModuleHandleTest, TheProgramIsTheOnlyModule) {
    const HMODULE program = GetModuleHandleW(nullptr);
    EXPECT_NE(program, nullptr);
    EXPECT_EQ(GetModuleHandleW(nullptr), program);
    EXPECT_EQ(GetModuleHandleW(L"user32.dll"), nullptr);
}

}  // namespace
}  // namespace keldra::platform
