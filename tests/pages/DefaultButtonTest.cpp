// The main window's default button: it gives every page its built-in values, the hidden ones
// too, without changing which page is on view, and OK afterwards rewrites only the pages'
// own keys: every line the pages do not own comes through byte for byte.
#include <gtest/gtest.h>

#include <string>

#include "PageTest.h"
#include "resource.h"

namespace keldra::pages::testing {
namespace {

using app::testing::BitmapPixel;

// Every control of the three pages away from its built-in value.
const char kNothingAtItsDefault[] =
    "[VIDEO]\r\n"
    "SIZE_X=1920\r\n"
    "SIZE_Y=1200\r\n"
    "FULLSCREEN=FALSE\r\n"
    "REJECT_FIGHT=TRUE\r\n"
    "REJECT_TRADE=TRUE\r\n"
    "REJECT_PARTY=TRUE\r\n"
    "GLOW_LEVEL=4\r\n"
    "GAMMA=0\r\n"
    "TEXTURE=LOW\r\n"
    "RANGE=MIDDLE\r\n"
    "HELMET=FALSE\r\n"
    "CLOAK=FALSE\r\n"
    "WEAPONEFF=FALSE\r\n"
    "[USER]\r\n"
    "USE_FILTER=FALSE\r\n"
    "MOUSE_SENSITIVITY=6\r\n"
    "SHADOW=FALSE\r\n"
    "WATER=TRUE\r\n"
    "USE_MOUSE=FALSE\r\n"
    "INV_MOUSE=TRUE\r\n"
    "INV_MOUSE_UPDOWN=TRUE\r\n"
    "USER_NAME=FALSE\r\n"
    "MY_NAME=FALSE\r\n"
    "MONSTER_NAME=FALSE\r\n"
    "UI_REOPEN=FALSE\r\n"
    "SHOW_INTERFACE=FALSE\r\n"
    "TALK_BALLOON=FALSE\r\n"
    "WARNING_MSG=FALSE\r\n"
    "SCREEN_SWING=FALSE\r\n"
    "HIDE_DAMAGE=TRUE\r\n"
    "[SOUND]\r\n"
    "VOICE_CHAR=FALSE\r\n"
    "VOICE_NPC=FALSE\r\n"
    "DANGER_DETECT=FALSE\r\n"
    "VOL_EFFECT=1\r\n"
    "VOL_BGM=2\r\n"
    "VOL_WORLD=3\r\n";

enum class Kind { Box, Slider, List };

// A control and what the default button puts into it: ticked or not, a slider position, a
// list position.
struct BuiltIn {
    HWND (::CConfigDlg::*page)() const;
    int id;
    Kind kind;
    int value;
};

constexpr auto kGraphic = &::CConfigDlg::GraphicPage;
constexpr auto kSound = &::CConfigDlg::SoundPage;
constexpr auto kInterface = &::CConfigDlg::InterfacePage;

const BuiltIn kBuiltIns[] = {
    {kGraphic, 1005, Kind::List, 1},      {kGraphic, 1002, Kind::Box, 0},
    {kGraphic, 1003, Kind::Box, 1},       {kGraphic, 1029, Kind::Box, 0},
    {kGraphic, 1030, Kind::Box, 0},       {kGraphic, 1031, Kind::Box, 0},
    {kGraphic, 1038, Kind::Box, 1},       {kGraphic, 1045, Kind::Slider, 2000},
    {kGraphic, 1046, Kind::Slider, 2000}, {kGraphic, 1047, Kind::Slider, 2000},
    {kGraphic, 1048, Kind::Slider, 2000}, {kSound, 1010, Kind::Slider, 6000},
    {kSound, 1011, Kind::Slider, 6000},   {kSound, 1012, Kind::Slider, 6000},
    {kSound, 1033, Kind::Box, 1},         {kSound, 1034, Kind::Box, 1},
    {kSound, 1035, Kind::Box, 1},         {kInterface, 1049, Kind::Slider, 3000},
    {kInterface, 1020, Kind::Box, 1},     {kInterface, 1021, Kind::Box, 0},
    {kInterface, 1022, Kind::Box, 1},     {kInterface, 1023, Kind::Box, 0},
    {kInterface, 1024, Kind::Box, 0},     {kInterface, 1026, Kind::Box, 1},
    {kInterface, 1027, Kind::Box, 1},     {kInterface, 1028, Kind::Box, 1},
    {kInterface, 1032, Kind::Box, 1},     {kInterface, 1033, Kind::Box, 1},
    {kInterface, 1034, Kind::Box, 1},     {kInterface, 1035, Kind::Box, 1},
    {kInterface, 1036, Kind::Box, 1},     {kInterface, 1037, Kind::Box, 1},
    {kInterface, 1039, Kind::Box, 1},     {kInterface, 1040, Kind::Box, 1},
    {kInterface, 1041, Kind::Box, 0},
};

// A point inside a tab, away from its caption, where its normal and pressed images differ.
constexpr int kTabProbeX = 6;
constexpr int kTabProbeY = 12;

class DefaultButtonTest : public PageTest {
  protected:
    int Shown(const BuiltIn& control) const {
        const HWND page = (Main().*control.page)();
        switch (control.kind) {
            case Kind::Box:
                return Checked(page, control.id) ? 1 : 0;
            case Kind::Slider:
                return SliderPos(page, control.id);
            case Kind::List:
                return static_cast<int>(
                    ::SendMessageW(::GetDlgItem(page, control.id), CB_GETCURSEL, 0, 0));
        }
        return -1;
    }

    // Only the Sound page is on view and only its tab shows pressed.
    void ExpectTheSoundPageOnView() const {
        EXPECT_FALSE(::IsWindowVisible(Main().GraphicPage()));
        EXPECT_TRUE(::IsWindowVisible(Main().SoundPage()));
        EXPECT_FALSE(::IsWindowVisible(Main().InterfacePage()));
        const auto tab = [this](int left) { return PixelAt(left + kTabProbeX, 60 + kTabProbeY); };
        EXPECT_EQ(tab(30), BitmapPixel(IDB_TAB_NORMAL, kTabProbeX, kTabProbeY)) << "Graphic";
        EXPECT_EQ(tab(131), BitmapPixel(IDB_TAB_PRESSED, kTabProbeX, kTabProbeY)) << "Sound";
        EXPECT_EQ(tab(232), BitmapPixel(IDB_TAB_NORMAL, kTabProbeX, kTabProbeY)) << "Interface";
    }
};

TEST_F(DefaultButtonTest, ResetsTheHiddenPagesAndKeepsTheSoundPageOnView) {
    ASSERT_NE(BitmapPixel(IDB_TAB_NORMAL, kTabProbeX, kTabProbeY),
              BitmapPixel(IDB_TAB_PRESSED, kTabProbeX, kTabProbeY));
    WriteConfig(kNothingAtItsDefault);
    bool reset = false;
    ThenClickTab(Tab::Interface);
    ThenClickTab(Tab::Sound);
    Then([&] {
        ExpectTheSoundPageOnView();
        for (const BuiltIn& c : kBuiltIns) EXPECT_NE(Shown(c), c.value) << "control " << c.id;
    });
    ThenClickDefault();
    Then([&] {
        for (const BuiltIn& c : kBuiltIns) EXPECT_EQ(Shown(c), c.value) << "control " << c.id;
        ExpectTheSoundPageOnView();
        reset = true;
        ClickCancel();
    });
    EXPECT_EQ(RunEditor(), IDCANCEL);
    ASSERT_TRUE(reset) << "the editor ended before the default button was pressed";
    EXPECT_EQ(ConfigBytes(), kNothingAtItsDefault);
}

// Lines that no page owns, each with a value of its own that no default has: sections the
// pages never touch, and the keys of [VIDEO] and [USER] whose names another section's page
// key has (COLOR, SHADOW, WATER in [VIDEO]; the refusals in [USER]).
const std::string kLogin = "[LOGIN]\r\nLAST_SERVER=7\r\n\r\n\r\n";
const std::string kInterfaceSection =
    "[INTERFACE]\r\n"
    "SHOW_MESSAGE_NOTICE=FALSE\r\n"
    "SHEET_TYPE=2\r\n"
    "SHEET_TYPE_SKILL=1\r\n"
    "SHEET_BACKPACK=0\r\n"
    "CHAT_BOX_VIEW=TRUE\r\n"
    "MAPBOARD_SIZE=3\r\n"
    "SHOW_MESSAGE_REPAIR=FALSE\r\n"
    "LOGIN_ID_SAVE=TRUE\r\n"
    "\r\n";
const std::string kLayoutsAndKeys =
    "[INTERFACE_800X600]\r\n"
    "MINIMAP_POS_X=631\r\n"
    "MINIMAP_POS_Y=58\r\n"
    "QUICKSLOT_CHANGE=TRUE\r\n"
    "\r\n"
    "[INTERFACE_1024X768]\r\n"
    "SHEET_POS_X=684\r\n"
    "CHAT_SIZE0=6\r\n"
    "\r\n"
    "[INTERFACE_1280X1024]\r\n"
    "SHEET_POS_X=1025\r\n"
    "CHAT_SIZE1=7\r\n"
    "\r\n"
    "[OPTION]\r\n"
    "KEY0=31\r\n"
    "KEY7=19\r\n"
    "KEY19=2\r\n";

const std::string kEverySectionBefore =
    "[VIDEO]\r\n"
    "SIZE_X=1600\r\n"
    "SIZE_Y=900\r\n"
    "COLOR=16\r\n"
    "TEXTURE=LOW\r\n"
    "RANGE=MIDDLE\r\n"
    "FULLSCREEN=FALSE\r\n"
    "WATER=TRUE\r\n"
    "GLOW_LEVEL=3\r\n"
    "GAMMA=1\r\n"
    "SHADOW=FALSE\r\n"
    "CLOAK=FALSE\r\n"
    "HELMET=FALSE\r\n"
    "WEAPONEFF=FALSE\r\n"
    "\r\n" +
    kLogin + kInterfaceSection +
    "[SOUND]\r\n"
    "VOL_BGM=1\r\n"
    "VOL_EFFECT=2\r\n"
    "VOL_WORLD=3\r\n"
    "VOICE_CHAR=FALSE\r\n"
    "VOICE_NPC=FALSE\r\n"
    "DANGER_DETECT=FALSE\r\n"
    "\r\n"
    "[USER]\r\n"
    "USE_MOUSE=FALSE\r\n"
    "INV_MOUSE=TRUE\r\n"
    "INV_MOUSE_UPDOWN=TRUE\r\n"
    "MOUSE_SENSITIVITY=5\r\n"
    "MY_NAME=FALSE\r\n"
    "USER_NAME=FALSE\r\n"
    "MONSTER_NAME=FALSE\r\n"
    "USE_FILTER=FALSE\r\n"
    "SHOW_INTERFACE=FALSE\r\n"
    "REJECT_FIGHT=TRUE\r\n"
    "REJECT_PARTY=TRUE\r\n"
    "WARNING_MSG=FALSE\r\n"
    "REJECT_TRADE=TRUE\r\n"
    "UI_REOPEN=FALSE\r\n"
    "SCREEN_SWING=FALSE\r\n"
    "TALK_BALLOON=FALSE\r\n"
    "HIDE_DAMAGE=TRUE\r\n"
    "\r\n" +
    kLayoutsAndKeys;

// The pages' keys at their built-in values where they stood, the refusals added to [VIDEO]
// and SHADOW and WATER to [USER]; every other line as it was.
const std::string kEverySectionAfterDefaultAndOk =
    "[VIDEO]\r\n"
    "SIZE_X=1024\r\n"
    "SIZE_Y=768\r\n"
    "COLOR=16\r\n"
    "TEXTURE=HIGH\r\n"
    "RANGE=HIGH\r\n"
    "FULLSCREEN=TRUE\r\n"
    "WATER=TRUE\r\n"
    "GLOW_LEVEL=2\r\n"
    "GAMMA=2\r\n"
    "SHADOW=FALSE\r\n"
    "CLOAK=TRUE\r\n"
    "HELMET=TRUE\r\n"
    "WEAPONEFF=TRUE\r\n"
    "REJECT_FIGHT=FALSE\r\n"
    "REJECT_TRADE=FALSE\r\n"
    "REJECT_PARTY=FALSE\r\n"
    "\r\n" +
    kLogin + kInterfaceSection +
    "[SOUND]\r\n"
    "VOL_BGM=6\r\n"
    "VOL_EFFECT=6\r\n"
    "VOL_WORLD=6\r\n"
    "VOICE_CHAR=TRUE\r\n"
    "VOICE_NPC=TRUE\r\n"
    "DANGER_DETECT=TRUE\r\n"
    "\r\n"
    "[USER]\r\n"
    "USE_MOUSE=TRUE\r\n"
    "INV_MOUSE=FALSE\r\n"
    "INV_MOUSE_UPDOWN=FALSE\r\n"
    "MOUSE_SENSITIVITY=3\r\n"
    "MY_NAME=TRUE\r\n"
    "USER_NAME=TRUE\r\n"
    "MONSTER_NAME=TRUE\r\n"
    "USE_FILTER=TRUE\r\n"
    "SHOW_INTERFACE=TRUE\r\n"
    "REJECT_FIGHT=TRUE\r\n"
    "REJECT_PARTY=TRUE\r\n"
    "WARNING_MSG=TRUE\r\n"
    "REJECT_TRADE=TRUE\r\n"
    "UI_REOPEN=TRUE\r\n"
    "SCREEN_SWING=TRUE\r\n"
    "TALK_BALLOON=TRUE\r\n"
    "HIDE_DAMAGE=FALSE\r\n"
    "SHADOW=TRUE\r\n"
    "WATER=FALSE\r\n"
    "\r\n" +
    kLayoutsAndKeys;

TEST_F(DefaultButtonTest, ThenOkRewritesOnlyThePagesKeys) {
    WriteConfig(kEverySectionBefore);
    bool pressed = false;
    ThenClickDefault();
    Then([&] {
        pressed = true;
        ClickOk();
    });
    EXPECT_EQ(RunEditor(), IDOK);
    ASSERT_TRUE(pressed) << "the editor ended before OK was pressed";
    EXPECT_EQ(ConfigBytes(), kEverySectionAfterDefaultAndOk);
}

}  // namespace
}  // namespace keldra::pages::testing
