// The Sound page as a player meets it: what each stored [SOUND] value shows, what OK writes
// back, the default button, dragged volumes, Enter and Escape on the page, its captions.
#include <gtest/gtest.h>

#include <string>

#include "PageTest.h"
#include "resource.h"
#include "settings/DefaultSettingsFile.h"
#include "support/ParamName.h"

namespace keldra::pages::testing {
namespace {

using settings::DefaultSettingsFile;

constexpr int kVolumeSliders[] = {IDC_SOUND_EFFECT_SLIDER, IDC_SOUND_BGM_SLIDER,
                                  IDC_SOUND_WORLD_SLIDER};
constexpr const wchar_t* kVolumeKeys[] = {L"VOL_EFFECT", L"VOL_BGM", L"VOL_WORLD"};
constexpr int kSwitches[] = {IDC_SOUND_VOICE_CHAR, IDC_SOUND_VOICE_NPC, IDC_SOUND_DANGER_DETECT};
constexpr const wchar_t* kSwitchKeys[] = {L"VOICE_CHAR", L"VOICE_NPC", L"DANGER_DETECT"};

struct StoredSoundCase {
    const char* name;
    std::string sound;  // the lines of [SOUND]; no section at all when null
    bool hasSection;
    int positions[3];  // effect, music, world as shown
    bool ticked[3];    // character voice, NPC voice, danger detection as shown
    const wchar_t* savedVolumes[3];
    const wchar_t* savedSwitches[3];
};

const StoredSoundCase kStoredCases[] = {
    {"defaults",
     "VOL_BGM=6\r\nVOL_EFFECT=6\r\nVOL_WORLD=6\r\nVOICE_CHAR=TRUE\r\nVOICE_NPC=TRUE\r\n"
     "DANGER_DETECT=TRUE\r\n",
     true,
     {6000, 6000, 6000},
     {true, true, true},
     {L"6", L"6", L"6"},
     {L"TRUE", L"TRUE", L"TRUE"}},
    {"no_section",
     "",
     false,
     {6000, 6000, 6000},
     {true, true, true},
     {L"6", L"6", L"6"},
     {L"TRUE", L"TRUE", L"TRUE"}},
    {"missing_keys_take_defaults",
     "VOL_BGM=2\r\nVOICE_NPC=FALSE\r\n",
     true,
     {6000, 2000, 6000},
     {true, false, true},
     {L"6", L"2", L"6"},
     {L"TRUE", L"FALSE", L"TRUE"}},
    {"ends_and_beyond",
     "VOL_EFFECT=-3\r\nVOL_BGM=0\r\nVOL_WORLD=10\r\n",
     true,
     {0, 0, 6300},
     {true, true, true},
     {L"0", L"0", L"6"},
     {L"TRUE", L"TRUE", L"TRUE"}},
    {"overflowing_products_saturate",
     "VOL_EFFECT=2147484\r\nVOL_BGM=-2147484\r\nVOL_WORLD=4294967\r\n",
     true,
     {6300, 0, 6300},
     {true, true, true},
     {L"6", L"0", L"6"},
     {L"TRUE", L"TRUE", L"TRUE"}},
    {"number_prefixes",
     "VOL_EFFECT=3abc\r\nVOL_BGM=abc\r\nVOL_WORLD= 4 \r\n",
     true,
     {3000, 0, 4000},
     {true, true, true},
     {L"3", L"0", L"4"},
     {L"TRUE", L"TRUE", L"TRUE"}},
    {"only_exact_TRUE_is_on",
     "VOICE_CHAR=true\r\nVOICE_NPC=yes\r\nDANGER_DETECT=1\r\n",
     true,
     {6000, 6000, 6000},
     {false, false, false},
     {L"6", L"6", L"6"},
     {L"FALSE", L"FALSE", L"FALSE"}},
    {"empty_and_long_switch_values",
     "VOICE_CHAR=\r\nVOICE_NPC=TRUE" + std::string(300, ' ') + "x\r\nDANGER_DETECT=TRUE\r\n",
     true,
     {6000, 6000, 6000},
     {false, false, true},
     {L"6", L"6", L"6"},
     {L"FALSE", L"FALSE", L"TRUE"}},
};

class StoredSoundTest : public PageTest, public ::testing::WithParamInterface<StoredSoundCase> {};

TEST_P(StoredSoundTest, ShowsTheStoredValuesAndOkWritesThemBack) {
    const StoredSoundCase& c = GetParam();
    WriteConfig("[USER]\r\nUSE_MOUSE=TRUE\r\n" +
                (c.hasSection ? "[SOUND]\r\n" + c.sound : std::string()) +
                "[OPTION]\r\nKEY0=30\r\n");
    Then([&] {
        const HWND page = Main().SoundPage();
        for (int i = 0; i < 3; ++i) {
            EXPECT_EQ(SliderPos(page, kVolumeSliders[i]), c.positions[i]) << kVolumeKeys[i];
            EXPECT_EQ(Checked(page, kSwitches[i]), c.ticked[i]) << kSwitchKeys[i];
        }
        ClickOk();
    });
    EXPECT_EQ(RunEditor(), IDOK);
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(Stored(L"SOUND", kVolumeKeys[i]), c.savedVolumes[i]) << kVolumeKeys[i];
        EXPECT_EQ(Stored(L"SOUND", kSwitchKeys[i]), c.savedSwitches[i]) << kSwitchKeys[i];
    }
    EXPECT_EQ(Stored(L"OPTION", L"KEY0"), L"30");
}

INSTANTIATE_TEST_SUITE_P(Cases, StoredSoundTest, ::testing::ValuesIn(kStoredCases),
                         keldra::testing::ParamName<StoredSoundCase>);

TEST_F(PageTest, SoundOkWritesItsSixKeysInTheirOrderAndLeavesTheRestOfTheSection) {
    WriteConfig("[SOUND]\r\nVOL_BGM=1\r\nGAME_ONLY=x\r\nVOICE_NPC=FALSE\r\n\r\n[OPTION]\r\n");
    Then([&] { ClickOk(); });
    ASSERT_EQ(RunEditor(), IDOK);
    const std::string bytes = ConfigBytes();
    const auto sound = bytes.substr(0, bytes.find("[OPTION]"));
    EXPECT_NE(sound.find("VOL_BGM=1\r\nGAME_ONLY=x\r\nVOICE_NPC=FALSE\r\n"), std::string::npos)
        << "present keys keep their lines and places:\n"
        << bytes;
    const char* added[] = {"VOICE_CHAR=TRUE", "DANGER_DETECT=TRUE", "VOL_EFFECT=6", "VOL_WORLD=6"};
    std::size_t last = 0;
    for (const char* line : added) {
        const std::size_t at = sound.find(line);
        ASSERT_NE(at, std::string::npos) << line << " added to [SOUND]:\n" << bytes;
        EXPECT_GT(at, last) << line << " comes in the page's order";
        last = at;
    }
}

// Volume positions and the level each is saved as: set directly, and reached by dragging.
TEST_F(PageTest, SoundPositionsAreSavedTruncatedToWholeLevels) {
    WriteConfig(DefaultSettingsFile::Bytes());
    const struct {
        int position;
        const wchar_t* saved;
    } positions[] = {{999, L"0"}, {5999, L"5"}, {6250, L"6"}};
    ThenClickTab(Tab::Sound);
    Then([&] {
        for (int i = 0; i < 3; ++i) {
            SetSliderPos(Main().SoundPage(), kVolumeSliders[i], positions[i].position);
        }
        ClickOk();
    });
    ASSERT_EQ(RunEditor(), IDOK);
    for (int i = 0; i < 3; ++i) EXPECT_EQ(Stored(L"SOUND", kVolumeKeys[i]), positions[i].saved);
}

TEST_F(PageTest, SoundDraggedVolumesAreSavedAsTheirLevels) {
    WriteConfig(DefaultSettingsFile::Bytes());
    int dragged[3] = {};
    ThenClickTab(Tab::Sound);
    // Left of the channel, a little short of the default mark, the slider's last pixel.
    const int targets[] = {-20, 145, 161};
    for (int i = 0; i < 3; ++i) {
        ThenDragSlider(&::CConfigDlg::SoundPage, kVolumeSliders[i], targets[i]);
        Then([&, i] { dragged[i] = SliderPos(Main().SoundPage(), kVolumeSliders[i]); });
    }
    Then([&] { ClickOk(); });
    ASSERT_EQ(RunEditor(), IDOK);
    EXPECT_EQ(dragged[0], 0);
    EXPECT_GE(dragged[1], 5000);
    EXPECT_LT(dragged[1], 6000);
    EXPECT_EQ(dragged[2], 6300);
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(Stored(L"SOUND", kVolumeKeys[i]), std::to_wstring(dragged[i] / 1000));
    }
}

class SoundDefaultButtonTest : public PageTest, public ::testing::WithParamInterface<bool> {};

// The default button puts the built-in values on the page; only OK writes them.
TEST_P(SoundDefaultButtonTest, ThenCancelWritesNothingAndOkWritesTheDefaults) {
    const bool ok = GetParam();
    const std::string stored =
        "[SOUND]\r\nVOL_BGM=1\r\nVOL_EFFECT=0\r\nVOL_WORLD=3\r\nVOICE_CHAR=FALSE\r\n"
        "VOICE_NPC=no\r\nDANGER_DETECT=FALSE\r\n";
    WriteConfig(stored);
    ThenClickTab(Tab::Sound);
    ThenClickDefault();
    Then([&] {
        for (int i = 0; i < 3; ++i) {
            EXPECT_EQ(SliderPos(Main().SoundPage(), kVolumeSliders[i]), 6000);
            EXPECT_TRUE(Checked(Main().SoundPage(), kSwitches[i]));
        }
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
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(Stored(L"SOUND", kVolumeKeys[i]), L"6");
        EXPECT_EQ(Stored(L"SOUND", kSwitchKeys[i]), L"TRUE");
    }
}

INSTANTIATE_TEST_SUITE_P(Leaving, SoundDefaultButtonTest, ::testing::Values(false, true),
                         [](const ::testing::TestParamInfo<bool>& way) {
                             return std::string(way.param ? "ok" : "cancel");
                         });

class SoundPageKeyTest : public PageTest, public ::testing::WithParamInterface<UINT> {};

// Enter on a control of the page is the program's OK; Escape its Cancel.
TEST_P(SoundPageKeyTest, EnterOnACheckBoxSavesAndClosesEscapeCancels) {
    const UINT key = GetParam();
    WriteConfig(DefaultSettingsFile::Bytes());
    ThenClickTab(Tab::Sound);
    Then([&] {
        ClickControl(Main().SoundPage(), IDC_SOUND_VOICE_NPC);  // unticks and takes focus
    });
    Then([&] {
        ASSERT_EQ(::GetFocus(), ::GetDlgItem(Main().SoundPage(), IDC_SOUND_VOICE_NPC));
        host_.TypeKey(key);
    });
    EXPECT_EQ(RunEditor(), key == VK_RETURN ? IDOK : IDCANCEL);
    if (key == VK_ESCAPE) {
        EXPECT_EQ(ConfigBytes(), DefaultSettingsFile::Bytes());
    } else {
        EXPECT_EQ(Stored(L"SOUND", L"VOICE_NPC"), L"FALSE");
    }
}

INSTANTIATE_TEST_SUITE_P(Keys, SoundPageKeyTest, ::testing::Values(VK_RETURN, VK_ESCAPE),
                         [](const ::testing::TestParamInfo<UINT>& key) {
                             return std::string(key.param == VK_RETURN ? "enter" : "escape");
                         });

struct SoundCaption {
    int id;
    const char* key;
    const wchar_t* defaultText;
};

const SoundCaption kSoundCaptions[] = {
    {IDC_LOW, "IDC_LOW", L"Low"},
    {IDC_HIGH, "IDC_HIGH", L"High"},
    {IDC_SOUND_VOLUME_TITLE, "IDC_sVOLUME", L"Volume"},
    {IDC_SOUND_EFFECT_TITLE, "IDC_iSOUND_EFFECT", L"Effect sounds"},
    {IDC_SOUND_BGM_TITLE, "IDC_sBACKGROUND_MUSIC", L"Background sounds"},
    {IDC_SOUND_WORLD_TITLE, "IDC_sENVIRONMENT", L"Environment sounds"},
    {IDC_SOUND_ETC_TITLE, "IDC_sETC", L"ETC."},
    {IDC_SOUND_VOICE_CHAR, "IDC_sCHARACTER_VOICE", L"Character voice"},
    {IDC_SOUND_VOICE_NPC, "IDC_sNPC_VOICE", L"NPC voice"},
    {IDC_SOUND_DANGER_DETECT, "IDC_sDANGER", L"Danger preception"},
};

TEST_F(PageTest, SoundCaptionsComeFromTheCaptionFileOrTheirDefaults) {
    for (const bool translated : {false, true}) {
        std::string file = "[RES_TEXT]\r\n";
        for (const SoundCaption& c : kSoundCaptions)
            file += std::string(c.key) + "=T:" + c.key + "\r\n";
        if (translated) keldra::testing::WriteBytes(folder_ / "T_CONFIG.INI", file);
        Then([&] {
            for (const SoundCaption& c : kSoundCaptions) {
                const std::wstring key(c.key, c.key + std::char_traits<char>::length(c.key));
                EXPECT_EQ(CaptionOf(Main().SoundPage(), c.id),
                          translated ? L"T:" + key : std::wstring(c.defaultText))
                    << c.key;
            }
        });
        RunEditor();
    }
}

}  // namespace
}  // namespace keldra::pages::testing
