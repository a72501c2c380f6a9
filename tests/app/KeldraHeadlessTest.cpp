// keldra-headless as scripts and tests use it: the real editor played by a script.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "support/PngImage.h"
#include "support/ProgramRun.h"
#include "support/TempFolder.h"

namespace {

using keldra::testing::PngImage;
using keldra::testing::ProgramOutput;
using keldra::testing::ReadBytes;
using keldra::testing::TempFolder;
using keldra::testing::WriteBytes;

class KeldraHeadlessTest : public ::testing::Test {
  protected:
    // Runs keldra-headless in the test's game folder with the script as a file.
    ProgramOutput Play(const std::string& script) {
        WriteBytes(folder_ / "script.txt", script);
        const auto previous = std::filesystem::current_path();
        std::filesystem::current_path(folder_.Path());
        ProgramOutput result =
            keldra::testing::RunProgram(KELDRA_HEADLESS_PATH, {(folder_ / "script.txt").string()});
        std::filesystem::current_path(previous);
        return result;
    }
    std::vector<std::string> Lines(const std::string& text) const {
        std::vector<std::string> lines;
        std::istringstream in(text);
        for (std::string line; std::getline(in, line);) lines.push_back(line);
        return lines;
    }
    TempFolder folder_;
};

TEST_F(KeldraHeadlessTest, AMalformedScriptRunsNothing) {
    const ProgramOutput result = Play("state\nclick 1\n");
    EXPECT_EQ(result.status, 2);
    EXPECT_NE(result.err.find("line 2"), std::string::npos) << result.err;
    EXPECT_FALSE(std::filesystem::exists(folder_ / "CONFIG.INI")) << "the editor never started";
}

TEST_F(KeldraHeadlessTest, StateReportsTheOpenEditorAndTheRunEndsStillOpen) {
    const ProgramOutput result = Play("state\n");
    ASSERT_EQ(result.status, 0) << result.err;
    const auto lines = Lines(result.out);
    ASSERT_EQ(lines.size(), 2u) << result.out;
    EXPECT_EQ(lines[0],
              "{\"open\":true,\"result\":null,\"window\":{\"x\":0,\"y\":0,\"minimized\":false},"
              "\"page\":\"graphic\","
              "\"focus\":1051,"
              // Every check box and slider of each page, in template order, with the values
              // the default CONFIG.INI gives.
              "\"graphic\":{\"1002\":0,\"1003\":1,\"1005\":1,\"1045\":2000,\"1046\":2000,"
              "\"1047\":2000,\"1048\":2000,\"1038\":1,\"1031\":0,\"1030\":0,\"1029\":0},"
              "\"interface\":{\"1022\":1,\"1023\":0,\"1024\":0,\"1049\":3000,\"1026\":1,"
              "\"1027\":1,\"1028\":1,\"1032\":1,\"1033\":1,\"1034\":1,\"1035\":1,\"1036\":1,"
              "\"1037\":1,\"1039\":1,\"1040\":1,\"1041\":0,\"1021\":0,\"1020\":1},"
              "\"sound\":{\"1011\":6000,\"1012\":6000,\"1033\":1,\"1034\":1,\"1035\":1,"
              "\"1010\":6000}}");
    EXPECT_EQ(lines[1], "still open");
    EXPECT_EQ(ReadBytes(folder_ / "CONFIG.INI").size(), 3202u);
}

TEST_F(KeldraHeadlessTest, AfterOkOnlyStateStillReports) {
    const ProgramOutput result = Play("click 300 625\nclick 440 20\nstate\n");
    ASSERT_EQ(result.status, 0) << result.err;
    const auto lines = Lines(result.out);
    ASSERT_EQ(lines.size(), 2u) << result.out;
    EXPECT_NE(lines[0].find("\"open\":false,\"result\":\"ok\""), std::string::npos) << lines[0];
    EXPECT_EQ(lines[1], "closed ok");
}

TEST_F(KeldraHeadlessTest, DragMovesTheWindowAndTabsAndEscapeWork) {
    const ProgramOutput result = Play("drag 60 40 90 60\nclick 180 72\nstate\nkey ESCAPE\n");
    ASSERT_EQ(result.status, 0) << result.err;
    const auto lines = Lines(result.out);
    ASSERT_EQ(lines.size(), 2u) << result.out;
    EXPECT_NE(lines[0].find("\"window\":{\"x\":30,\"y\":20,"), std::string::npos) << lines[0];
    // The window moved, so the Sound tab is now at (181 + 30, 72 + 20): the click missed it.
    EXPECT_NE(lines[0].find("\"page\":\"graphic\""), std::string::npos) << lines[0];
    EXPECT_EQ(lines[1], "closed cancel");
}

TEST_F(KeldraHeadlessTest, ASnapshotIsTheShapedWindowWithTransparentCorners) {
    const ProgramOutput result = Play("snapshot shot.png\nscreen screen.png\n");
    ASSERT_EQ(result.status, 0) << result.err;
    const auto shot = PngImage::Read(folder_ / "shot.png");
    ASSERT_TRUE(shot);
    EXPECT_EQ(shot->width, 456);
    EXPECT_EQ(shot->height, 653);
    long opaque = 0;
    for (int y = 0; y < shot->height; ++y) {
        for (int x = 0; x < shot->width; ++x) opaque += shot->AlphaAt(x, y) == 255 ? 1 : 0;
    }
    EXPECT_EQ(opaque, 293266);
    EXPECT_EQ(shot->AlphaAt(0, 0), 0);
    const auto screen = PngImage::Read(folder_ / "screen.png");
    ASSERT_TRUE(screen);
    EXPECT_EQ(screen->width, 1920);
    EXPECT_EQ(screen->height, 1080);
}

// The Glow slider, found from the Graphic page's layout: the page sits at (15, 86) of the
// window and the slider at (27, 146) dialog units, (41, 237) pixels, of the page; at its
// maximum the thumb is drawn from the slider's column 146.
constexpr int kGlowLeft = 15 + 41;
constexpr int kGlowTop = 86 + 237;
constexpr int kGlowThumbLeftAtMaximum = kGlowLeft + 146;
constexpr int kGlowHeight = 24;

bool SameColumn(const PngImage& a, const PngImage& b, int x, int top, int height) {
    for (int y = top; y < top + height; ++y) {
        const auto at = (static_cast<std::size_t>(y) * a.width + x) * 4;
        if (!std::equal(a.rgba.begin() + at, a.rgba.begin() + at + 4, b.rgba.begin() + at)) {
            return false;
        }
    }
    return true;
}

TEST_F(KeldraHeadlessTest, AClickOnTheGlowThumbsLeftEdgeAtTheMaximumKeepsLevelFour) {
    const int row = kGlowTop + kGlowHeight / 2;
    std::ostringstream script;
    script << "snapshot default.png\n"
           << "drag " << kGlowLeft + 79 << ' ' << row << ' ' << kGlowLeft + 200 << ' ' << row
           << "\nsnapshot maximum.png\n"
           << "click " << kGlowThumbLeftAtMaximum << ' ' << row << "\nstate\n"
           << "click 300 625\n";
    const ProgramOutput result = Play(script.str());
    ASSERT_EQ(result.status, 0) << result.err;

    // The clicked column is the thumb's first: the maximum changed it, not the one before.
    const auto before = PngImage::Read(folder_ / "default.png");
    const auto maximum = PngImage::Read(folder_ / "maximum.png");
    ASSERT_TRUE(before && maximum);
    EXPECT_TRUE(SameColumn(*before, *maximum, kGlowThumbLeftAtMaximum - 1, kGlowTop, kGlowHeight));
    EXPECT_FALSE(SameColumn(*before, *maximum, kGlowThumbLeftAtMaximum, kGlowTop, kGlowHeight));

    const auto lines = Lines(result.out);
    ASSERT_EQ(lines.size(), 2u) << result.out;
    EXPECT_NE(lines[0].find("\"1045\":4100"), std::string::npos) << lines[0];
    EXPECT_EQ(lines[1], "closed ok");
    EXPECT_NE(ReadBytes(folder_ / "CONFIG.INI").find("GLOW_LEVEL=4\r\n"), std::string::npos);
}

}  // namespace
