#include "pages/CSoundDlg.h"

#include "pages/SliderValue.h"
#include "resource.h"
#include "settings/SettingsFile.h"

using keldra::pages::FlagText;
using keldra::pages::SliderPositionOf;
using keldra::pages::StoredNumberOf;
using keldra::pages::StoredNumberText;
using keldra::settings::SettingsFile;

namespace {

constexpr const wchar_t* kSection = L"SOUND";
// Above 6000, so the loudest level keeps a little travel to the right of its mark.
constexpr int kVolumeMaximum = 6300;
constexpr int kDefaultVolume = 6000;

// In the order the captions are looked up; the texts are the program's own.
constexpr PageCaption kCaptions[] = {
    {IDC_LOW, L"IDC_LOW", L"Low"},
    {IDC_HIGH, L"IDC_HIGH", L"High"},
    {IDC_SOUND_VOLUME_TITLE, L"IDC_sVOLUME", L"Volume"},
    {IDC_SOUND_EFFECT_TITLE, L"IDC_iSOUND_EFFECT", L"Effect sounds"},
    {IDC_SOUND_BGM_TITLE, L"IDC_sBACKGROUND_MUSIC", L"Background sounds"},
    {IDC_SOUND_WORLD_TITLE, L"IDC_sENVIRONMENT", L"Environment sounds"},
    {IDC_SOUND_ETC_TITLE, L"IDC_sETC", L"ETC."},
    {IDC_SOUND_VOICE_CHAR, L"IDC_sCHARACTER_VOICE", L"Character voice"},
    {IDC_SOUND_VOICE_NPC, L"IDC_sNPC_VOICE", L"NPC voice"},
    {IDC_SOUND_DANGER_DETECT, L"IDC_sDANGER", L"Danger preception"},
};

}  // namespace

const CSoundDlg::FlagKey CSoundDlg::kFlagKeys[] = {
    {&CSoundDlg::m_bVoiceChar, L"VOICE_CHAR"},
    {&CSoundDlg::m_bVoiceNpc, L"VOICE_NPC"},
    {&CSoundDlg::m_bDangerDetect, L"DANGER_DETECT"},
};

const CSoundDlg::VolumeKey CSoundDlg::kVolumeKeys[] = {
    {&CSoundDlg::m_sliderEffect, L"VOL_EFFECT"},
    {&CSoundDlg::m_sliderBgm, L"VOL_BGM"},
    {&CSoundDlg::m_sliderWorld, L"VOL_WORLD"},
};

CSoundDlg::CSoundDlg() : CSettingsPage(IDD_SOUND_DIALOG, IDB_SOUND_BACK) {}

void CSoundDlg::DoDataExchange(CDataExchange* dx) {
    CSettingsPage::DoDataExchange(dx);
    DDX_Control(dx, IDC_SOUND_EFFECT_SLIDER, m_sliderEffect);
    DDX_Control(dx, IDC_SOUND_BGM_SLIDER, m_sliderBgm);
    DDX_Control(dx, IDC_SOUND_WORLD_SLIDER, m_sliderWorld);
    DDX_Check(dx, IDC_SOUND_VOICE_CHAR, m_bVoiceChar);
    DDX_Check(dx, IDC_SOUND_VOICE_NPC, m_bVoiceNpc);
    DDX_Check(dx, IDC_SOUND_DANGER_DETECT, m_bDangerDetect);
}

BOOL CSoundDlg::OnInitDialog() {
    CSettingsPage::OnInitDialog();
    SetCaptions(kCaptions);
    for (CSkinSliderCtrl* slider : {&m_sliderEffect, &m_sliderBgm, &m_sliderWorld}) {
        slider->LoadSkinBitmaps(IDB_SLIDER_CHANNEL, IDB_SLIDER_THUMB);
        slider->InitRange(0, kVolumeMaximum, FALSE);
    }
    ResetToDefaults();
    LoadSettings();
    return TRUE;
}

void CSoundDlg::ResetToDefaults() {
    UpdateData(TRUE);
    m_sliderEffect.SetPos(kDefaultVolume);
    m_sliderBgm.SetPos(kDefaultVolume);
    m_sliderWorld.SetPos(kDefaultVolume);
    m_bVoiceChar = 1;
    m_bVoiceNpc = 1;
    m_bDangerDetect = 1;
    UpdateData(FALSE);
}

void CSoundDlg::LoadSettings() {
    UpdateData(TRUE);
    const std::wstring& path = ConfigPath();
    for (const FlagKey& entry : kFlagKeys) {
        int& flag = this->*entry.flag;
        flag = LoadFlag(kSection, entry.key, flag);
    }
    for (const VolumeKey& entry : kVolumeKeys) {
        CSkinSliderCtrl& slider = this->*entry.slider;
        const int stored =
            SettingsFile::ReadInt(kSection, entry.key, StoredNumberOf(slider.GetPos()), path);
        slider.SetPos(SliderPositionOf(stored));
    }
    UpdateData(FALSE);
}

void CSoundDlg::SaveSettings(keldra::settings::SettingsTransaction& save) {
    UpdateData(TRUE);
    for (const FlagKey& entry : kFlagKeys)
        save.Write(kSection, entry.key, FlagText(this->*entry.flag));
    for (const VolumeKey& entry : kVolumeKeys) {
        save.Write(kSection, entry.key, StoredNumberText((this->*entry.slider).GetPos()));
    }
}
