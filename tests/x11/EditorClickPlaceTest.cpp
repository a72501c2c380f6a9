// A click acts on the control under the pointer, whatever came before it: after the window
// was moved by something other than the editor itself, and after a drag that ended over the
// window's cut-away edge, where the pointer belongs to the desktop and not to the window.
// Each script ends with OK and the file says whether every click reached its control.
#include <gtest/gtest.h>

#include <chrono>
#include <ostream>
#include <string>
#include <thread>

#include "support/ParamName.h"
#include "support/ShellValues.h"
#include "support/TempFolder.h"
#include "support/XProbe.h"
#include "x11/EditorOnDesktop.h"

namespace keldra::testing {
namespace {

struct Spot {
    int x;
    int y;
};

// Controls of the editor, counted from its window's top-left corner.
constexpr Spot kSoundTab{181, 72};
constexpr Spot kWindowMode{262, 168};      // check box on the Graphic page, clear at first
constexpr Spot kCharacterVoice{81, 474};   // check box on the Sound page, ticked at first
constexpr Spot kGlowThumb{138, 334};       // slider thumb on the Graphic page
constexpr Spot kPageBackground{200, 400};  // no control there
constexpr Spot kOk{317, 625};
constexpr Spot kCancel{400, 625};
constexpr Spot kMinimise{403, 20};

class EditorClickPlaceTest : public EditorOnDesktop {
  protected:
    void ClickAt(Spot spot) const { EditorOnDesktop::ClickAt(spot.x, spot.y); }
    void Pause(int ms) const { std::this_thread::sleep_for(std::chrono::milliseconds(ms)); }

    // Sound page, "Character voice" cleared, OK: only when each click reached its control
    // does the file end up with the voice off.
    void ClearTheVoiceOnTheSoundPageAndSave() const {
        ClickAt(kSoundTab);
        ClickAt(kCharacterVoice);
        ClickAt(kOk);
    }
    void ExpectSavedWithTheVoiceOff() const {
        EXPECT_EQ(WaitForExit(), 0) << "OK did not end the editor: " << EditorErrors();
        const std::string file = ReadBytes(folder_ / "CONFIG.INI");
        EXPECT_NE(file.find("VOICE_CHAR=FALSE\r\n"), std::string::npos) << file;
        EXPECT_NE(file.find("FULLSCREEN=TRUE\r\n"), std::string::npos)
            << "a click reached the Graphic page: " << file;
    }
    bool PointerIsOverTheWindow() const {
        const std::string frame =
            std::to_string(XProbe::TopLevelOf(xvfb_.Display(), std::stoul(window_)));
        return ShellValues(Xdotool({"getmouselocation", "--shell"}))["WINDOW"] == frame;
    }
};

// Who moves the window away from where the editor put it.
enum class Mover {
    Program,         // another program asks the X server
    WindowManager,   // the player drags it with Alt held
    WhileMinimised,  // another program, while it is minimised; then it is restored
};

struct Move {
    const char* name;
    int dx;
    int dy;
    Mover mover;
};

void PrintTo(const Move& move, std::ostream* out) {
    *out << move.name;
}

class EditorMovedFromOutside : public EditorClickPlaceTest,
                               public ::testing::WithParamInterface<Move> {
  protected:
    void MoveTheWindow() const {
        const Move move = GetParam();
        const auto [left, top] = Place();
        if (move.mover == Mover::WhileMinimised) {
            ClickAt(kMinimise);
            Pause(300);
        }
        if (move.mover == Mover::WindowManager) {
            MoveTo(228, 300);
            Xdotool({"keydown", "alt", "mousedown", "1"});
            Pause(100);
            MoveTo(228 + move.dx / 2, 300 + move.dy / 2);
            Xdotool({"mousemove", "--sync", std::to_string(left + 228 + move.dx),
                     std::to_string(top + 300 + move.dy)});
            Pause(100);
            Xdotool({"mouseup", "1", "keyup", "alt"});
        } else {
            Xdotool({"windowmove", "--sync", window_, std::to_string(left + move.dx),
                     std::to_string(top + move.dy)});
        }
        if (move.mover == Mover::WhileMinimised) Xdotool({"windowactivate", "--sync", window_});
        Pause(300);
        const auto [movedLeft, movedTop] = Place();
        ASSERT_EQ(movedLeft, left + move.dx);
        ASSERT_EQ(movedTop, top + move.dy);
    }
};

TEST_P(EditorMovedFromOutside, CancelAtItsNewPlaceEndsWithoutWriting) {
    ASSERT_FALSE(StartEditor().empty());
    const std::string before = ReadBytes(folder_ / "CONFIG.INI");
    ClickAt(kWindowMode);
    ASSERT_NO_FATAL_FAILURE(MoveTheWindow());
    ClickAt(kCancel);
    EXPECT_EQ(WaitForExit(), 0) << "Cancel did not end the editor: " << EditorErrors();
    EXPECT_EQ(ReadBytes(folder_ / "CONFIG.INI"), before);
}

TEST_P(EditorMovedFromOutside, ATabACheckBoxAndOkActWhereTheyAreNow) {
    ASSERT_FALSE(StartEditor().empty());
    ASSERT_NO_FATAL_FAILURE(MoveTheWindow());
    ClearTheVoiceOnTheSoundPageAndSave();
    ExpectSavedWithTheVoiceOff();
}

INSTANTIATE_TEST_SUITE_P(
    Moves, EditorMovedFromOutside,
    ::testing::Values(Move{"ProgramLeft88", -88, 0, Mover::Program},
                      Move{"ProgramDown100", 0, 100, Mover::Program},
                      Move{"ProgramUpRight", 150, -120, Mover::Program},
                      Move{"WindowManagerLeft88", -88, 0, Mover::WindowManager},
                      Move{"WindowManagerDown100", 0, 100, Mover::WindowManager},
                      Move{"RestoredElsewhere", -115, 82, Mover::WhileMinimised}),
    ParamName<Move>);

// A drag that starts on the window and is released over a cut-away pixel: inside the
// window's rectangle, outside its shape.
struct Release {
    const char* name;
    Spot press;
    Spot release;
    const char* draggedValue;  // the line a thumb drag leaves in the file; none otherwise
};

void PrintTo(const Release& release, std::ostream* out) {
    *out << release.name;
}

class EditorDragEndsOffTheShape : public EditorClickPlaceTest,
                                  public ::testing::WithParamInterface<Release> {};

TEST_P(EditorDragEndsOffTheShape, TheNextClicksReachTheirControls) {
    const Release drag = GetParam();
    ASSERT_FALSE(StartEditor().empty());
    MoveTo(drag.press.x, drag.press.y);
    Xdotool({"mousedown", "1"});
    Pause(100);
    MoveTo((drag.press.x + drag.release.x) / 2, (drag.press.y + drag.release.y) / 2);
    MoveTo(drag.release.x, drag.release.y);
    Pause(100);
    ASSERT_FALSE(PointerIsOverTheWindow()) << "the release point is not cut away";
    Xdotool({"mouseup", "1"});
    Pause(200);
    ClearTheVoiceOnTheSoundPageAndSave();
    ExpectSavedWithTheVoiceOff();
    if (drag.draggedValue != nullptr) {
        EXPECT_NE(ReadBytes(folder_ / "CONFIG.INI").find(drag.draggedValue), std::string::npos)
            << "the thumb did not follow the drag";
    }
}

INSTANTIATE_TEST_SUITE_P(
    Releases, EditorDragEndsOffTheShape,
    ::testing::Values(Release{"BottomEdge", kPageBackground, {250, 651}, nullptr},
                      Release{"LeftEdge", kPageBackground, {0, 300}, nullptr},
                      Release{"RightEdge", kPageBackground, {455, 300}, nullptr},
                      Release{"TopEdge", kPageBackground, {200, 0}, nullptr},
                      Release{
                          "SliderThumbToBottomEdge", kGlowThumb, {250, 651}, "GLOW_LEVEL=4\r\n"},
                      Release{"SliderThumbToLeftEdge", kGlowThumb, {0, 300}, "GLOW_LEVEL=0\r\n"}),
    ParamName<Release>);

}  // namespace
}  // namespace keldra::testing
