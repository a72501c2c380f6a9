// The default CONFIG.INI the game reads on its first start, written out here line by line:
// every section, key and value in file order, so a changed digit, a swapped line or a lost
// blank line in the embedded text fails, whatever its length.
#include <gtest/gtest.h>

#include <algorithm>
#include <initializer_list>
#include <string>

#include "EditorTestSupport.h"
#include "settings/DefaultSettingsFile.h"
#include "support/TempFolder.h"

namespace keldra::app::testing {
namespace {

struct Section {
    const char* name;
    std::initializer_list<const char*> lines;
};

// clang-format off
const Section kDefaultContent[] = {
    {"VIDEO", {"SIZE_X=1024", "SIZE_Y=768", "COLOR=32", "TEXTURE=HIGH", "RANGE=HIGH",
               "FULLSCREEN=TRUE", "WATER=FALSE", "GLOW_LEVEL=2", "GAMMA=2", "SHADOW=TRUE",
               "CLOAK=TRUE", "HELMET=TRUE", "WEAPONEFF=TRUE"}},
    {"LOGIN", {}},
    {"INTERFACE", {"SHOW_MESSAGE_NOTICE=TRUE", "SHEET_TYPE=0", "SHEET_TYPE_SKILL=3",
                   "SHEET_BACKPACK=1", "CHAT_BOX_VIEW=FALSE", "MAPBOARD_SIZE=1",
                   "SHOW_MESSAGE_REPAIR=TRUE", "LOGIN_ID_SAVE=FALSE"}},
    {"SOUND", {"VOL_BGM=6", "VOL_EFFECT=6", "VOL_WORLD=6", "VOICE_CHAR=TRUE", "VOICE_NPC=TRUE",
               "DANGER_DETECT=TRUE"}},
    {"USER", {"USE_MOUSE=TRUE", "INV_MOUSE=FALSE", "INV_MOUSE_UPDOWN=FALSE",
              "MOUSE_SENSITIVITY=3", "MY_NAME=TRUE", "USER_NAME=TRUE", "MONSTER_NAME=TRUE",
              "USE_FILTER=TRUE", "SHOW_INTERFACE=TRUE", "REJECT_FIGHT=FALSE",
              "REJECT_PARTY=FALSE", "WARNING_MSG=TRUE", "REJECT_TRADE=FALSE", "UI_REOPEN=TRUE",
              "SCREEN_SWING=TRUE", "TALK_BALLOON=TRUE", "HIDE_DAMAGE=FALSE"}},
    {"INTERFACE_800X600", {
        "MINIMAP_POS_X=630", "MINIMAP_POS_Y=57", "STATUSINFOBAR_POS_X=0",
        "STATUSINFOBAR_POS_Y=120", "STATUSMINIBAR_POS_X=0", "STATUSMINIBAR_POS_Y=0",
        "QUICKSLOT_POS_X=354", "QUICKSLOT_CHANGE=FALSE", "QUICKSLOT_POS_Y=0", "MAPBOARD_POS_X=0",
        "MAPBOARD_POS_Y=26", "CHAT_POS_X=0", "CHAT_SIZE0=5", "CHAT_SIZE1=3", "CHAT_POS_Y=269",
        "COMPASS_POS_X=649", "COMPASS_POS_Y=429", "SHEET_POS_X=544", "SHEET_POS_Y=2",
        "SHEET_GUILD_POS_X=619", "SHEET_GUILD_POS_Y=153", "SHEET_QUEST_POS_X=498",
        "SHEET_QUEST_POS_Y=165", "SHEET_SUB_POS_X=692", "SHEET_SUB_POS_Y=153",
        "SHEET_SKILL_POS_X=574", "SHEET_SKILL_POS_Y=125", "SHEET_ITEM_POS_X=675",
        "SHEET_ITEM_POS_Y=156", "SHEET_STATUS_POS_X=406", "SHEET_STATUS_POS_Y=153",
        "SHEET_OPTION_POS_X=380", "SHEET_OPTION_POS_Y=89"}},
    {"INTERFACE_1024X768", {
        "SHEET_POS_X=683", "SHEET_POS_Y=162", "STATUSINFOBAR_POS_X=221", "STATUSINFOBAR_POS_Y=0",
        "STATUSMINIBAR_POS_X=0", "STATUSMINIBAR_POS_Y=0", "CHAT_POS_X=0", "CHAT_SIZE0=5",
        "CHAT_SIZE1=3", "CHAT_POS_Y=437", "QUICKSLOT_POS_X=409", "QUICKSLOT_CHANGE=FALSE",
        "QUICKSLOT_POS_Y=0", "MINIMAP_POS_X=854", "MINIMAP_POS_Y=0", "COMPASS_POS_X=868",
        "COMPASS_POS_Y=593", "MAPBOARD_POS_X=253", "MAPBOARD_POS_Y=101", "QUESTMINI_POS_X=0",
        "QUESTMINI_POS_Y=139", "SHEETSTATUS_POS_X=582", "SHEETSTATUS_POS_Y=113",
        "SHEET_STATUS_POS_X=422", "SHEET_STATUS_POS_Y=165", "SHEET_ITEM_POS_X=698",
        "SHEET_ITEM_POS_Y=161", "SHEET_SKILL_POS_X=624", "SHEET_SKILL_POS_Y=161",
        "SHEET_SUB_POS_X=692", "SHEET_SUB_POS_Y=153", "SHEET_QUEST_POS_X=497",
        "SHEET_QUEST_POS_Y=149", "SHEET_GUILD_POS_X=668", "SHEET_GUILD_POS_Y=155",
        "SHEET_OPTION_POS_X=696", "SHEET_OPTION_POS_Y=167"}},
    {"INTERFACE_1280X1024", {
        "SHEET_POS_X=1024", "SHEET_POS_Y=203", "STATUSINFOBAR_POS_X=309", "STATUSINFOBAR_POS_Y=0",
        "STATUSMINIBAR_POS_X=0", "STATUSMINIBAR_POS_Y=0", "CHAT_POS_X=0", "CHAT_SIZE0=8",
        "CHAT_SIZE1=6", "CHAT_POS_Y=582", "QUICKSLOT_POS_X=569", "QUICKSLOT_CHANGE=FALSE",
        "QUICKSLOT_POS_Y=0", "MINIMAP_POS_X=1110", "MINIMAP_POS_Y=0", "COMPASS_POS_X=1129",
        "COMPASS_POS_Y=843", "MAPBOARD_POS_X=0", "MAPBOARD_POS_Y=82", "SHEET_STATUS_POS_X=685",
        "SHEET_STATUS_POS_Y=304", "SHEET_ITEM_POS_X=960", "SHEET_ITEM_POS_Y=305",
        "SHEET_SKILL_POS_X=880", "SHEET_SKILL_POS_Y=301", "SHEET_SUB_POS_X=934",
        "SHEET_SUB_POS_Y=301", "SHEET_QUEST_POS_X=706", "SHEET_QUEST_POS_Y=302",
        "SHEET_GUILD_POS_X=910", "SHEET_GUILD_POS_Y=306", "SHEET_OPTION_POS_X=810",
        "SHEET_OPTION_POS_Y=252"}},
    {"OPTION", {"KEY0=30", "KEY1=17", "KEY2=16", "KEY3=15", "KEY4=46", "KEY5=32", "KEY6=31",
                "KEY7=18", "KEY8=17", "KEY9=57", "KEY10=20", "KEY11=37", "KEY12=22", "KEY13=24",
                "KEY14=47", "KEY15=23", "KEY16=48", "KEY17=34", "KEY18=50", "KEY19=1"}},
};
// clang-format on

// The file as the game expects it: CR LF after every line, one blank line between the last
// key of a section and the next section, two blank lines under the empty [LOGIN], and no
// blank line at the end.
std::string ExpectedDefaultFile() {
    std::string text;
    for (const Section& section : kDefaultContent) {
        if (!text.empty()) text += "\r\n";
        text += "[" + std::string(section.name) + "]\r\n";
        if (section.lines.size() == 0) text += "\r\n";
        for (const char* line : section.lines) text += std::string(line) + "\r\n";
    }
    return text;
}

TEST(DefaultConfigContent, ExpectedTextIs185LinesIn3202Bytes) {
    const std::string expected = ExpectedDefaultFile();
    EXPECT_EQ(expected.size(), 3202u);
    EXPECT_EQ(std::count(expected.begin(), expected.end(), '\n'), 185);
    EXPECT_NE(expected.find("HIDE_DAMAGE=FALSE\r\n\r\n[INTERFACE_800X600]\r\n"), std::string::npos);
    EXPECT_NE(expected.find("[LOGIN]\r\n\r\n\r\n[INTERFACE]\r\n"), std::string::npos);
}

TEST(DefaultConfigContent, EmbeddedDefaultIsTheGameDefaultByteForByte) {
    EXPECT_EQ(std::string(settings::DefaultSettingsFile::Bytes()), ExpectedDefaultFile());
}

TEST_F(EditorTest, FirstStartWritesTheGameDefaultByteForByte) {
    bool started = false;
    Then([&] {
        started = true;
        ClickAt(360 + 40, 610 + 15);  // Cancel: nothing of the pages is written
    });
    ASSERT_EQ(RunEditor(), IDCANCEL);
    ASSERT_TRUE(started);
    EXPECT_EQ(keldra::testing::ReadBytes(folder_ / "CONFIG.INI"), ExpectedDefaultFile());
}

}  // namespace
}  // namespace keldra::app::testing
