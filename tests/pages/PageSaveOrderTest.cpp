// Where OK puts the lines it adds to CONFIG.INI: a key a section lacks lands at the end of
// that section, and a section the file lacks at the end of the file, in the order the pages
// write them: Graphic, then Sound, then Interface, each in its own key order. The whole file
// is compared, so a key written out of order, twice or into the wrong section shows.
#include <gtest/gtest.h>

#include <string>

#include "PageTest.h"
#include "support/ParamName.h"

namespace keldra::pages::testing {
namespace {

// Each page's keys at their built-in values, in the order the page writes them.
const std::string kGraphicSize = "SIZE_X=1024\r\nSIZE_Y=768\r\n";
const std::string kGraphicVideoAfterSize =
    "FULLSCREEN=TRUE\r\n"
    "REJECT_FIGHT=FALSE\r\n"
    "REJECT_TRADE=FALSE\r\n"
    "REJECT_PARTY=FALSE\r\n"
    "GLOW_LEVEL=2\r\n"
    "GAMMA=2\r\n"
    "TEXTURE=HIGH\r\n"
    "RANGE=HIGH\r\n";
const std::string kGraphicVideo = kGraphicSize + kGraphicVideoAfterSize;
const std::string kGraphicUser = "USE_FILTER=TRUE\r\n";
const std::string kSound =
    "VOICE_CHAR=TRUE\r\n"
    "VOICE_NPC=TRUE\r\n"
    "DANGER_DETECT=TRUE\r\n"
    "VOL_EFFECT=6\r\n"
    "VOL_BGM=6\r\n"
    "VOL_WORLD=6\r\n";
const std::string kInterfaceUser =
    "MOUSE_SENSITIVITY=3\r\n"
    "SHADOW=TRUE\r\n"
    "WATER=FALSE\r\n"
    "USE_MOUSE=TRUE\r\n"
    "INV_MOUSE=FALSE\r\n"
    "INV_MOUSE_UPDOWN=FALSE\r\n"
    "USER_NAME=TRUE\r\n"
    "MY_NAME=TRUE\r\n"
    "MONSTER_NAME=TRUE\r\n"
    "UI_REOPEN=TRUE\r\n"
    "SHOW_INTERFACE=TRUE\r\n"
    "TALK_BALLOON=TRUE\r\n"
    "WARNING_MSG=TRUE\r\n"
    "SCREEN_SWING=TRUE\r\n"
    "HIDE_DAMAGE=FALSE\r\n";
const std::string kInterfaceVideo = "HELMET=TRUE\r\nCLOAK=TRUE\r\nWEAPONEFF=TRUE\r\n";

// OK on an empty file: the Graphic page makes [VIDEO] and [USER], the Sound page [SOUND],
// and the Interface page's keys follow the Graphic page's in the first two.
const std::string kEmptyFileAfterOk = "[VIDEO]\r\n" + kGraphicVideo + kInterfaceVideo +
                                      "[USER]\r\n" + kGraphicUser + kInterfaceUser + "[SOUND]\r\n" +
                                      kSound;

class PageSaveOrderTest : public PageTest {
  protected:
    // Runs the editor with `steps` played before OK; false when OK was never reached.
    bool OkAfter(std::function<void()> steps = [] {}) {
        bool reached = false;
        Then([&, steps] {
            steps();
            reached = true;
            ClickOk();
        });
        return RunEditor() == IDOK && reached;
    }
};

TEST_F(PageSaveOrderTest, OkOnAnEmptyFileWritesGraphicThenSoundThenInterface) {
    WriteConfig("");
    ASSERT_TRUE(OkAfter());
    EXPECT_EQ(ConfigBytes(), kEmptyFileAfterOk);
}

// A file whose sections hold every other page's keys but none of one page's: that page's
// keys are the only lines OK adds, at the end of their sections, in the page's write order.
struct WriteOrderCase {
    const char* name;
    std::string before;
    std::string after;
};

const WriteOrderCase kWriteOrderCases[] = {
    {"graphic",
     "[VIDEO]\r\n" + kInterfaceVideo + "\r\n[USER]\r\n" + kInterfaceUser + "\r\n[SOUND]\r\n" +
         kSound,
     "[VIDEO]\r\n" + kInterfaceVideo + kGraphicVideo + "\r\n[USER]\r\n" + kInterfaceUser +
         kGraphicUser + "\r\n[SOUND]\r\n" + kSound},
    {"sound",
     "[VIDEO]\r\n" + kGraphicVideo + kInterfaceVideo + "\r\n[SOUND]\r\n\r\n[USER]\r\n" +
         kGraphicUser + kInterfaceUser,
     "[VIDEO]\r\n" + kGraphicVideo + kInterfaceVideo + "\r\n[SOUND]\r\n" + kSound +
         "\r\n[USER]\r\n" + kGraphicUser + kInterfaceUser},
    {"interface",
     "[VIDEO]\r\n" + kGraphicVideo + "\r\n[USER]\r\n" + kGraphicUser + "\r\n[SOUND]\r\n" + kSound,
     "[VIDEO]\r\n" + kGraphicVideo + kInterfaceVideo + "\r\n[USER]\r\n" + kGraphicUser +
         kInterfaceUser + "\r\n[SOUND]\r\n" + kSound},
};

class PageWriteOrderTest : public PageSaveOrderTest,
                           public ::testing::WithParamInterface<WriteOrderCase> {};

TEST_P(PageWriteOrderTest, ThePagesMissingKeysLandInItsWriteOrder) {
    WriteConfig(GetParam().before);
    ASSERT_TRUE(OkAfter());
    EXPECT_EQ(ConfigBytes(), GetParam().after);
}

INSTANTIATE_TEST_SUITE_P(Pages, PageWriteOrderTest, ::testing::ValuesIn(kWriteOrderCases),
                         keldra::testing::ParamName<WriteOrderCase>);

// With nothing chosen in the mode list, OK leaves both size keys as they stand (here a size
// the list does not offer) and saves everything else.
TEST_F(PageSaveOrderTest, OkWithNoModeChosenKeepsBothSizeKeys) {
    WriteConfig("[VIDEO]\r\nSIZE_X=1366\r\nSIZE_Y=777\r\n");
    ASSERT_TRUE(OkAfter([this] {
        const HWND list = ::GetDlgItem(Main().GraphicPage(), 1005);
        ::SendMessageW(list, CB_SETCURSEL, static_cast<WPARAM>(-1), 0);
        ASSERT_EQ(::SendMessageW(list, CB_GETCURSEL, 0, 0), CB_ERR);
    }));
    EXPECT_EQ(ConfigBytes(), "[VIDEO]\r\nSIZE_X=1366\r\nSIZE_Y=777\r\n" + kGraphicVideoAfterSize +
                                 kInterfaceVideo + "[USER]\r\n" + kGraphicUser + kInterfaceUser +
                                 "[SOUND]\r\n" + kSound);
}

}  // namespace
}  // namespace keldra::pages::testing
