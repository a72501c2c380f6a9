// The Interface page as a player meets it: stored [USER] / [VIDEO] values shown and written
// back, SHADOW and WATER kept in [USER], the sensitivity slider's ends, the default button,
// edits kept across tabs, a file changed meanwhile, and the page's captions.
#include <gtest/gtest.h>

#include <string>

#include "PageTest.h"
#include "resource.h"
#include "settings/DefaultSettingsFile.h"
#include "support/ParamName.h"

namespace keldra::pages::testing {
namespace {

using settings::DefaultSettingsFile;

struct Switch {
    int id;
    const wchar_t* section;
    const wchar_t* key;
    bool builtIn;
};

const Switch kSwitches[] = {
    {IDC_INTERFACE_SHADOW, L"USER", L"SHADOW", true},
    {IDC_INTERFACE_WATER, L"USER", L"WATER", false},
    {IDC_INTERFACE_USE_MOUSE, L"USER", L"USE_MOUSE", true},
    {IDC_INTERFACE_INV_MOUSE, L"USER", L"INV_MOUSE", false},
    {IDC_INTERFACE_INV_MOUSE_UPDOWN, L"USER", L"INV_MOUSE_UPDOWN", false},
    {IDC_INTERFACE_USER_NAME, L"USER", L"USER_NAME", true},
    {IDC_INTERFACE_MY_NAME, L"USER", L"MY_NAME", true},
    {IDC_INTERFACE_MONSTER_NAME, L"USER", L"MONSTER_NAME", true},
    {IDC_INTERFACE_UI_REOPEN, L"USER", L"UI_REOPEN", true},
    {IDC_INTERFACE_SHOW_INTERFACE, L"USER", L"SHOW_INTERFACE", true},
    {IDC_INTERFACE_HELMET, L"VIDEO", L"HELMET", true},
    {IDC_INTERFACE_CLOAK, L"VIDEO", L"CLOAK", true},
    {IDC_INTERFACE_WEAPONEFF, L"VIDEO", L"WEAPONEFF", true},
    {IDC_INTERFACE_TALK_BALLOON, L"USER", L"TALK_BALLOON", true},
    {IDC_INTERFACE_WARNING_MSG, L"USER", L"WARNING_MSG", true},
    {IDC_INTERFACE_SCREEN_SWING, L"USER", L"SCREEN_SWING", true},
    {IDC_INTERFACE_HIDE_DAMAGE, L"USER", L"HIDE_DAMAGE", false},
};

const wchar_t* Word(bool on) {
    return on ? L"TRUE" : L"FALSE";
}

// The default file: every box at its built-in value (USER has no SHADOW / WATER), and OK
// adds SHADOW and WATER to [USER] while [VIDEO]'s lines of those names stay as they are.
TEST_F(PageTest, InterfaceDefaultFileShowsTheBuiltInValuesAndOkKeepsVideoShadowAndWater) {
    std::string bytes(DefaultSettingsFile::Bytes());
    bytes.replace(bytes.find("SHADOW=TRUE"), 11, "SHADOW=LOW!");  // [VIDEO]'s, not the page's
    WriteConfig(bytes);
    Then([&] {
        const HWND page = Main().InterfacePage();
        EXPECT_EQ(SliderPos(page, IDC_INTERFACE_SENSITIVITY_SLIDER), 3000);
        for (const Switch& s : kSwitches) EXPECT_EQ(Checked(page, s.id), s.builtIn) << s.key;
        ClickOk();
    });
    ASSERT_EQ(RunEditor(), IDOK);
    EXPECT_EQ(Stored(L"USER", L"MOUSE_SENSITIVITY"), L"3");
    for (const Switch& s : kSwitches) EXPECT_EQ(Stored(s.section, s.key), Word(s.builtIn)) << s.key;
    EXPECT_EQ(Stored(L"VIDEO", L"SHADOW"), L"LOW!");
    EXPECT_EQ(Stored(L"VIDEO", L"WATER"), L"FALSE");
    const std::string after = ConfigBytes();
    EXPECT_NE(after.find("WATER=FALSE\r\nGLOW_LEVEL=2\r\nGAMMA=2\r\nSHADOW=LOW!\r\n"),
              std::string::npos)
        << after;
}

struct StoredInterfaceCase {
    const char* name;
    std::string file;
    int position;
    const wchar_t* savedSensitivity;
    int switchIndex;  // the switch the case is about, -1 for none
    bool ticked;
};

const StoredInterfaceCase kStoredCases[] = {
    {"sensitivity_9_is_the_right_end", "[USER]\r\nMOUSE_SENSITIVITY=9\r\n", 6100, L"6", -1, false},
    {"sensitivity_0", "[USER]\r\nMOUSE_SENSITIVITY=0\r\n", 0, L"0", -1, false},
    {"negative_sensitivity", "[USER]\r\nMOUSE_SENSITIVITY=-4\r\n", 0, L"0", -1, false},
    {"overflowing_sensitivity", "[USER]\r\nMOUSE_SENSITIVITY=2147484\r\n", 6100, L"6", -1, false},
    {"helmet_lower_case_true", "[VIDEO]\r\nHELMET=true\r\n", 3000, L"3", 10, false},
    {"hide_damage_TRUE", "[USER]\r\nHIDE_DAMAGE=TRUE\r\n", 3000, L"3", 16, true},
    {"water_in_user", "[USER]\r\nWATER=TRUE\r\n", 3000, L"3", 1, true},
    {"water_in_video_is_not_the_pages", "[VIDEO]\r\nWATER=TRUE\r\n", 3000, L"3", 1, false},
    {"shadow_digit_1", "[USER]\r\nSHADOW=1\r\n", 3000, L"3", 0, false},
};

class StoredInterfaceTest : public PageTest,
                            public ::testing::WithParamInterface<StoredInterfaceCase> {};

TEST_P(StoredInterfaceTest, ShowsTheStoredValueAndOkWritesItBack) {
    const StoredInterfaceCase& c = GetParam();
    WriteConfig(c.file);
    Then([&] {
        const HWND page = Main().InterfacePage();
        EXPECT_EQ(SliderPos(page, IDC_INTERFACE_SENSITIVITY_SLIDER), c.position);
        if (c.switchIndex >= 0) {
            EXPECT_EQ(Checked(page, kSwitches[c.switchIndex].id), c.ticked);
        }
        ClickOk();
    });
    ASSERT_EQ(RunEditor(), IDOK);
    EXPECT_EQ(Stored(L"USER", L"MOUSE_SENSITIVITY"), c.savedSensitivity);
    if (c.switchIndex >= 0) {
        const Switch& s = kSwitches[c.switchIndex];
        EXPECT_EQ(Stored(s.section, s.key), Word(c.ticked));
    }
}

INSTANTIATE_TEST_SUITE_P(Cases, StoredInterfaceTest, ::testing::ValuesIn(kStoredCases),
                         keldra::testing::ParamName<StoredInterfaceCase>);

struct PositionCase {
    int position;
    const wchar_t* saved;
};

class SensitivityPositionTest : public PageTest,
                                public ::testing::WithParamInterface<PositionCase> {};

TEST_P(SensitivityPositionTest, IsSavedTruncatedToAWholeLevel) {
    WriteConfig("");
    Then([&] {
        SetSliderPos(Main().InterfacePage(), IDC_INTERFACE_SENSITIVITY_SLIDER, GetParam().position);
        ClickOk();
    });
    ASSERT_EQ(RunEditor(), IDOK);
    EXPECT_EQ(Stored(L"USER", L"MOUSE_SENSITIVITY"), GetParam().saved);
}

INSTANTIATE_TEST_SUITE_P(Positions, SensitivityPositionTest,
                         ::testing::Values(PositionCase{999, L"0"}, PositionCase{5999, L"5"},
                                           PositionCase{6000, L"6"}, PositionCase{6250, L"6"}),
                         [](const ::testing::TestParamInfo<PositionCase>& c) {
                             return "at_" + std::to_string(c.param.position);
                         });

// Edits on hidden pages survive tab switches and reach the file with OK; a key that another
// program changed while the editor was open keeps its new value.
TEST_F(PageTest, EditsOnHiddenPagesAndOutsideChangesSurviveOk) {
    WriteConfig(DefaultSettingsFile::Bytes());
    ThenClickTab(Tab::Sound);
    Then([&] { ClickControl(Main().SoundPage(), IDC_SOUND_DANGER_DETECT); });
    ThenClickTab(Tab::Interface);
    Then([&] { ClickControl(Main().InterfacePage(), IDC_INTERFACE_HELMET); });
    Then([&] { ClickControl(Main().InterfacePage(), IDC_INTERFACE_WATER); });
    ThenDragSlider(&::CConfigDlg::InterfacePage, IDC_INTERFACE_SENSITIVITY_SLIDER, -30);
    ThenClickTab(Tab::Graphic);
    Then([&] {
        std::string bytes = ConfigBytes();
        bytes.replace(bytes.find("SHEET_TYPE=0"), 12, "SHEET_TYPE=7");
        WriteConfig(bytes);
        ClickOk();
    });
    ASSERT_EQ(RunEditor(), IDOK);
    EXPECT_EQ(Stored(L"SOUND", L"DANGER_DETECT"), L"FALSE");
    EXPECT_EQ(Stored(L"VIDEO", L"HELMET"), L"FALSE");
    EXPECT_EQ(Stored(L"USER", L"WATER"), L"TRUE");
    EXPECT_EQ(Stored(L"USER", L"MOUSE_SENSITIVITY"), L"0");
    EXPECT_EQ(Stored(L"INTERFACE", L"SHEET_TYPE"), L"7");
}

class InterfaceDefaultButtonTest : public PageTest, public ::testing::WithParamInterface<bool> {};

TEST_P(InterfaceDefaultButtonTest, ThenCancelWritesNothingAndOkWritesTheDefaults) {
    const bool ok = GetParam();
    std::string stored = "[USER]\r\nMOUSE_SENSITIVITY=6\r\n";
    for (const Switch& s : kSwitches) {
        if (std::wstring(s.section) == L"USER") {
            stored += std::string(s.key, s.key + std::wcslen(s.key)) +
                      (s.builtIn ? "=FALSE\r\n" : "=TRUE\r\n");
        }
    }
    stored += "[VIDEO]\r\nHELMET=FALSE\r\nCLOAK=FALSE\r\nWEAPONEFF=FALSE\r\n";
    WriteConfig(stored);
    ThenClickTab(Tab::Interface);
    ThenClickDefault();
    Then([&] {
        const HWND page = Main().InterfacePage();
        EXPECT_EQ(SliderPos(page, IDC_INTERFACE_SENSITIVITY_SLIDER), 3000);
        for (const Switch& s : kSwitches) EXPECT_EQ(Checked(page, s.id), s.builtIn) << s.key;
        if (ok) {
            ClickOk();
        } else {
            ClickCancel();
        }
    });
    EXPECT_EQ(RunEditor(), ok ? IDOK : IDCANCEL);
    if (!ok) {
        EXPECT_EQ(ConfigBytes(), stored);
        return;
    }
    EXPECT_EQ(Stored(L"USER", L"MOUSE_SENSITIVITY"), L"3");
    for (const Switch& s : kSwitches) EXPECT_EQ(Stored(s.section, s.key), Word(s.builtIn)) << s.key;
}

INSTANTIATE_TEST_SUITE_P(Leaving, InterfaceDefaultButtonTest, ::testing::Values(false, true),
                         [](const ::testing::TestParamInfo<bool>& way) {
                             return std::string(way.param ? "ok" : "cancel");
                         });

class InterfacePageKeyTest : public PageTest, public ::testing::WithParamInterface<UINT> {};

TEST_P(InterfacePageKeyTest, EnterOnACheckBoxSavesAndClosesEscapeCancels) {
    const UINT key = GetParam();
    WriteConfig(DefaultSettingsFile::Bytes());
    ThenClickTab(Tab::Interface);
    Then([&] { ClickControl(Main().InterfacePage(), IDC_INTERFACE_CLOAK); });
    Then([&] {
        ASSERT_EQ(::GetFocus(), ::GetDlgItem(Main().InterfacePage(), IDC_INTERFACE_CLOAK));
        host_.TypeKey(key);
    });
    EXPECT_EQ(RunEditor(), key == VK_RETURN ? IDOK : IDCANCEL);
    if (key == VK_ESCAPE) {
        EXPECT_EQ(ConfigBytes(), DefaultSettingsFile::Bytes());
    } else {
        EXPECT_EQ(Stored(L"VIDEO", L"CLOAK"), L"FALSE");
        EXPECT_EQ(Stored(L"SOUND", L"VOL_BGM"), L"6") << "the other pages saved too";
    }
}

INSTANTIATE_TEST_SUITE_P(Keys, InterfacePageKeyTest, ::testing::Values(VK_RETURN, VK_ESCAPE),
                         [](const ::testing::TestParamInfo<UINT>& key) {
                             return std::string(key.param == VK_RETURN ? "enter" : "escape");
                         });

struct InterfaceCaption {
    int id;
    const char* key;
    const wchar_t* defaultText;
};

const InterfaceCaption kInterfaceCaptions[] = {
    {IDC_LOW, "IDC_LOW", L"Low"},
    {IDC_HIGH, "IDC_HIGH", L"High"},
    {IDC_INTERFACE_OPERATION_TITLE, "IDC_iOPERATION", L"Operation"},
    {IDC_INTERFACE_USE_MOUSE, "IDC_MOUSE_USE", L"Use a mouse"},
    {IDC_INTERFACE_INV_MOUSE, "IDC_iMOUSE_inversion", L"Mouse inversion"},
    {IDC_INTERFACE_INV_MOUSE_UPDOWN, "IDC_iMOUSE_UPDOWN_INVERSION", L"Mouse up down inversion"},
    {IDC_INTERFACE_SENSITIVITY_TITLE, "IDC_iMOUSE_SENSITIVITY", L"Mouse sensitivity"},
    {IDC_INTERFACE_DISPLAY_TITLE, "IDC_iDISPLAY", L"Display"},
    {IDC_INTERFACE_USER_NAME, "IDC_iPLAYER_NAME", L"Player name"},
    {IDC_INTERFACE_MY_NAME, "IDC_iMY_NAME", L"My name"},
    {IDC_INTERFACE_MONSTER_NAME, "IDC_iMONSTER_NAME", L"Monster name"},
    {IDC_INTERFACE_UI_REOPEN, "IDC_iUI_REOPEN", L"UI re-open"},
    {IDC_INTERFACE_SHOW_INTERFACE, "IDC_iALL_WINDOWS", L"All windows"},
    {IDC_INTERFACE_HELMET, "IDC_iPITCH", L"Display a war helmet"},
    {IDC_INTERFACE_CLOAK, "IDC_iMANTEAU", L"Display a mantle"},
    {IDC_INTERFACE_WEAPONEFF, "IDC_iARAMS", L"Effect of weapon"},
    {IDC_INTERFACE_TALK_BALLOON, "IDC_iTALK_BALLOON", L"Balloon of talking"},
    {IDC_INTERFACE_SCREEN_SWING, "IDC_iSHAKE", L"Shaking of window"},
    {IDC_INTERFACE_WARNING_MSG, "IDC_iWARNING", L"Warning message"},
    {IDC_INTERFACE_HIDE_DAMAGE, "IDC_iDAMAGE_HIDE", L"Hide of damage"},
    {IDC_INTERFACE_SHADOW, "IDC_gSHADOW", L"Shadow effect"},
    {IDC_INTERFACE_WATER, "IDC_gWATER_REFLECTION", L"Water relection"},
};

TEST_F(PageTest, InterfaceCaptionsComeFromTheCaptionFileOrTheirDefaults) {
    for (const bool translated : {false, true}) {
        std::string file = "[RES_TEXT]\r\n";
        for (const InterfaceCaption& c : kInterfaceCaptions) {
            file += std::string(c.key) + "=\xE2\x9C\x93" + c.key + "\r\n";  // a check mark first
        }
        if (translated) keldra::testing::WriteBytes(folder_ / "T_CONFIG.INI", file);
        Then([&] {
            for (const InterfaceCaption& c : kInterfaceCaptions) {
                const std::wstring key(c.key, c.key + std::char_traits<char>::length(c.key));
                EXPECT_EQ(CaptionOf(Main().InterfacePage(), c.id),
                          translated ? L"\u2713" + key : std::wstring(c.defaultText))
                    << c.key;
            }
            if (translated) {
                EXPECT_TRUE(host_.SavePng(MainWindow(), folder_ / "interface-translated.png"));
            }
        });
        RunEditor();
    }
}

TEST_F(PageTest, SnapshotsOfTheSoundAndInterfacePages) {
    WriteConfig(DefaultSettingsFile::Bytes());
    ThenClickTab(Tab::Sound);
    Then([&] { EXPECT_TRUE(host_.SavePng(MainWindow(), folder_ / "sound-page.png")); });
    ThenClickTab(Tab::Interface);
    Then([&] {
        EXPECT_TRUE(host_.SavePng(MainWindow(), folder_ / "interface-page.png"));
        EXPECT_TRUE(IsWindowVisible(Main().InterfacePage()));
    });
    RunEditor();
}

}  // namespace
}  // namespace keldra::pages::testing
