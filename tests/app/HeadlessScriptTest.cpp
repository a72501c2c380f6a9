// Scripts for keldra-headless: read whole before anything runs, every mistake named by line.
#include <gtest/gtest.h>

#include <sstream>

#include "HeadlessScript.h"

namespace keldra::headless {
namespace {

std::optional<std::vector<ScriptCommand>> ParseText(const std::string& text, std::string& error) {
    std::istringstream in(text);
    return HeadlessScript::Parse(in, error);
}

TEST(HeadlessScript, ReadsEveryCommandWithItsArguments) {
    std::string error;
    const auto commands = ParseText(
        "# a comment line\n"
        "move 10 20\n"
        "  click -5 7   # trailing comment\n"
        "\n"
        "drag 1 2 30 40\n"
        "key shift+tab\n"
        "wait 250\n"
        "snapshot out.png\n"
        "state\n",
        error);
    ASSERT_TRUE(commands) << error;
    ASSERT_EQ(commands->size(), 7u);
    using Kind = ScriptCommand::Kind;
    EXPECT_EQ((*commands)[0].kind, Kind::Move);
    EXPECT_EQ((*commands)[0].y, 20);
    EXPECT_EQ((*commands)[1].kind, Kind::Click);
    EXPECT_EQ((*commands)[1].x, -5);
    EXPECT_EQ((*commands)[1].line, 3);
    EXPECT_EQ((*commands)[2].x2, 30);
    EXPECT_EQ((*commands)[2].y2, 40);
    EXPECT_EQ((*commands)[3].key, "SHIFT+TAB");
    EXPECT_EQ((*commands)[4].milliseconds, 250);
    EXPECT_EQ((*commands)[5].file, "out.png");
    EXPECT_EQ((*commands)[6].kind, Kind::State);
}

struct BadLine {
    const char* name;
    const char* script;
    const char* expected;  // the start of the error
};

class HeadlessScriptErrorTest : public ::testing::TestWithParam<BadLine> {};

TEST_P(HeadlessScriptErrorTest, NamesTheLineAndRunsNothing) {
    std::string error;
    EXPECT_FALSE(ParseText(GetParam().script, error));
    EXPECT_EQ(error.rfind(GetParam().expected, 0), 0u) << error;
}

INSTANTIATE_TEST_SUITE_P(
    Mistakes, HeadlessScriptErrorTest,
    ::testing::Values(BadLine{"unknown_command", "state\njump 1 2\n", "line 2: unknown command"},
                      BadLine{"too_few_numbers", "click 5\n", "line 1: click takes 2"},
                      BadLine{"too_many_numbers", "move 1 2 3\n", "line 1: move takes 2"},
                      BadLine{"not_a_number", "move 1 x\n", "line 1: \"x\" is not a whole number"},
                      BadLine{"number_with_junk", "wait 10ms\n", "line 1: \"10ms\" is not"},
                      BadLine{"negative_wait", "wait -1\n", "line 1: wait takes a number"},
                      BadLine{"unknown_key", "\n\nkey CTRL+C\n", "line 3: unknown key"},
                      BadLine{"snapshot_without_file", "snapshot\n", "line 1: snapshot takes 1"},
                      BadLine{"state_with_argument", "state now\n", "line 1: state takes 0"}),
    [](const ::testing::TestParamInfo<BadLine>& row) { return std::string(row.param.name); });

TEST(HeadlessScript, KnowsExactlyTheListedKeys) {
    for (const char* key : {"ENTER", "ESCAPE", "TAB", "SHIFT+TAB", "SPACE", "LEFT", "RIGHT", "UP",
                            "DOWN", "HOME", "END", "PAGEUP", "PAGEDOWN", "F4", "ALT+DOWN"}) {
        EXPECT_TRUE(HeadlessScript::IsKnownKey(key)) << key;
    }
    EXPECT_FALSE(HeadlessScript::IsKnownKey("ALT+UP"));
    EXPECT_FALSE(HeadlessScript::IsKnownKey("enter"))
        << "names are compared upper case, after the parser folds them";
}

}  // namespace
}  // namespace keldra::headless
