// The same player actions on the Linux editor and on keldra-config.exe under Wine must leave
// the same bytes in CONFIG.INI: the two builds share every line above the Windows API, so a
// difference is a fault in one of the API layers beneath them.
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <ostream>
#include <string>
#include <vector>

#include "support/ParamName.h"
#include "support/ProgramRun.h"
#include "support/TempFolder.h"
#include "wine/DesktopEditor.h"
#include "wine/EditorSpots.h"
#include "wine/InWineSession.h"

namespace keldra::testing {
namespace {

using namespace spots;

constexpr Spot kResolution{130, 195};

// Sliders: 108 x 15 units, 162 x 24 pixels. Clicks stay inside the channel, away from its
// ends: outside it a Windows trackbar does not page.
struct Slider {
    int left;  // pixels in the window
    int top;
    int thumbMiddle;  // from the left, at the position the default file gives
    // Where the skin draws the thumb at the position the default file gives (the middle
    // of the range): a press there takes the trackbar's own thumb.
    Spot Thumb() const { return {left + thumbMiddle, top + 12}; }
    Spot Near(int fromLeft) const { return {left + fromLeft, top + 12}; }
};
// The skin draws the thumb's left edge at 152 * position / (maximum + 5): glow 2000 of 4100,
// effects 6000 of 6300, sensitivity 3000 of 5100; the thumb is 17 pixels wide.
constexpr Slider kGlow{kPageLeft + 27 * 6 / 4, kPageTop + 146 * 13 / 8, 74 + 8};
constexpr Slider kDetail{kPageLeft + 27 * 6 / 4, kPageTop + 197 * 13 / 8, 74 + 8};
constexpr Slider kEffects{kPageLeft + 115 * 6 / 4, kPageTop + 66 * 13 / 8, 144 + 8};
constexpr Slider kSensitivity{kPageLeft + 137 * 6 / 4, kPageTop + 57 * 13 / 8, 89 + 8};

const std::vector<Spot> kGraphicBoxes = {
    OnCheckBox(160, 42, 18), OnCheckBox(160, 65, 18), OnCheckBox(155, 261, 10),
    OnCheckBox(39, 283, 10), OnCheckBox(39, 261, 10), OnCheckBox(155, 283, 10),
};
const std::vector<Spot> kSoundBoxes = {OnCheckBox(39, 234, 10), OnCheckBox(155, 234, 10),
                                       OnCheckBox(39, 263, 10)};
const std::vector<Spot> kInterfaceBoxes = {
    OnCheckBox(39, 42, 10),   OnCheckBox(39, 66, 10),   OnCheckBox(39, 90, 10),
    OnCheckBox(39, 139, 10),  OnCheckBox(39, 162, 10),  OnCheckBox(39, 185, 10),
    OnCheckBox(39, 254, 10),  OnCheckBox(39, 277, 10),  OnCheckBox(155, 139, 10),
    OnCheckBox(155, 162, 10), OnCheckBox(155, 185, 10), OnCheckBox(155, 208, 10),
    OnCheckBox(155, 254, 10), OnCheckBox(155, 231, 10), OnCheckBox(155, 277, 10),
    OnCheckBox(39, 208, 10),  OnCheckBox(39, 231, 10),
};

void ClickAll(DesktopEditor& editor, const std::vector<Spot>& spots) {
    for (const Spot& spot : spots) editor.ClickAt(spot);
}

struct Scenario {
    const char* name;
    std::string before;  // CONFIG.INI at the start; empty: none, the editor writes its default
    std::function<void(DesktopEditor&)> play;
    std::vector<std::string> expected;  // lines the saved file must hold on both builds
};

void PrintTo(const Scenario& scenario, std::ostream* out) {
    *out << scenario.name;
}

std::string Utf16(const std::string& ascii) {
    std::string bytes = "\xFF\xFE";
    for (const char c : ascii) bytes += std::string{c, '\0'};
    return bytes;
}

const std::string kForeignFile =
    "; kept by the game's launcher\r\n"
    "[LAUNCHER]\r\nLAST_SERVER=3\r\n\r\n"
    "[VIDEO]\r\nSIZE_X=800\r\nSIZE_Y=600\r\n; player's note\r\nGLOW_LEVEL=1\r\n"
    "[SOUND]\r\nVOICE_CHAR=TRUE\r\nVOICE_NPC=FALSE\r\n"
    "[MODS]\r\nENABLED=shaders,maps\r\n";

std::vector<Scenario> Scenarios() {
    return {
        {"EveryCheckBoxOfEveryPage",
         "",
         [](DesktopEditor& e) {
             ClickAll(e, kGraphicBoxes);
             e.ClickAt(kSoundTab);
             ClickAll(e, kSoundBoxes);
             e.ClickAt(kInterfaceTab);
             ClickAll(e, kInterfaceBoxes);
             e.ClickAt(kOk);
         },
         {"VOICE_CHAR=FALSE\r\n", "INV_MOUSE=TRUE\r\n"}},
        {"TheDefaultButtonAfterChanges",
         "[VIDEO]\r\nSIZE_X=800\r\nSIZE_Y=600\r\nGLOW_LEVEL=0\r\n",
         [](DesktopEditor& e) {
             ClickAll(e, {kGraphicBoxes[2], kGraphicBoxes[3]});
             e.ClickAt(kSoundTab);
             ClickAll(e, kSoundBoxes);
             e.ClickAt(kDefault);
             e.ClickAt(kOk);
         },
         {"VOICE_CHAR=TRUE\r\n"}},
        {"TheResolutionListAndSlidersByKeyboard",
         "",
         [](DesktopEditor& e) {
             e.ClickAt(kResolution);  // opens the list
             e.Keys({"Up", "Return"});
             // A click on the thumb gives the slider the keyboard; its keys are ignored.
             e.ClickAt(kGlow.Thumb());
             e.Keys({"Right", "Right", "End", "Prior"});
             e.ClickAt(kSoundTab);
             e.ClickAt(kEffects.Thumb());
             e.Keys({"Home", "Left", "Next"});
             e.ClickAt(kOk);
         },
         {"SIZE_X=", "VOL_EFFECT=6\r\n"}},
        {"SlidersByTheirThumbAndChannel",
         "",
         [](DesktopEditor& e) {
             e.ClickAt(kGlow.Thumb());
             e.ClickAt(kGlow.Near(140));  // a page to the right, twice
             e.ClickAt(kGlow.Near(140));
             e.ClickAt(kDetail.Near(30));  // a page to the left
             e.ClickAt(kSoundTab);
             e.ClickAt(kEffects.Near(30));
             e.ClickAt(kInterfaceTab);
             e.ClickAt(kSensitivity.Near(140));
             e.ClickAt(kOk);
         },
         {"GLOW_LEVEL=3\r\n", "VOL_EFFECT=4\r\n", "MOUSE_SENSITIVITY=4\r\n"}},
        {"AFileWithForeignSectionsAndComments",
         kForeignFile,
         [](DesktopEditor& e) {
             e.ClickAt(kGraphicBoxes[2]);
             e.ClickAt(kSoundTab);
             e.ClickAt(kSoundBoxes[1]);
             e.ClickAt(kOk);
         },
         {"[LAUNCHER]\r\nLAST_SERVER=3\r\n", "[MODS]\r\nENABLED=shaders,maps\r\n",
          "; player's note\r\n", "VOICE_NPC=TRUE\r\n"}},
        {"AUtf16File",
         Utf16("[VIDEO]\r\nSIZE_X=1280\r\nSIZE_Y=1024\r\n[USER]\r\nWATER=TRUE\r\n"),
         [](DesktopEditor& e) {
             e.ClickAt(kInterfaceTab);
             e.ClickAt(kInterfaceBoxes[15]);  // water reflection
             e.ClickAt(kOk);
         },
         {std::string("W\0A\0T\0E\0R\0=\0F\0A\0L\0S\0E\0", 22)}},
    };
}

class SameFileOnBothBuildsTest : public InWineSession<::testing::TestWithParam<Scenario>> {
  protected:
    // Plays the scenario on one build in a game folder of its own; the file it leaves.
    std::string Play(EditorBuild build, const std::string& name) {
        const std::filesystem::path game = folder_ / name;
        std::filesystem::create_directory(game);
        if (!GetParam().before.empty()) WriteBytes(game / "CONFIG.INI", GetParam().before);
        DesktopEditor editor(build, game);
        EXPECT_TRUE(editor.HasWindow()) << name << ": no window: " << editor.Errors();
        if (!editor.HasWindow()) return {};
        GetParam().play(editor);
        EXPECT_EQ(editor.WaitForExit(), 0) << name << ": " << editor.Errors();
        return ReadBytes(game / "CONFIG.INI");
    }

    TempFolder folder_;
};

TEST_P(SameFileOnBothBuildsTest, GiveTheSameBytes) {
    const std::string onLinux = Play(EditorBuild::Linux, "linux");
    const std::string onWindows = Play(EditorBuild::Windows, "windows");
    ASSERT_FALSE(onLinux.empty());
    EXPECT_EQ(onLinux, onWindows);
    for (const std::string& line : GetParam().expected)
        EXPECT_NE(onLinux.find(line), std::string::npos)
            << "missing: " << line << "\nin: " << onLinux.substr(0, 1200);
}

INSTANTIATE_TEST_SUITE_P(Scenarios, SameFileOnBothBuildsTest, ::testing::ValuesIn(Scenarios()),
                         [](const auto& scenario) { return std::string(scenario.param.name); });

}  // namespace
}  // namespace keldra::testing
