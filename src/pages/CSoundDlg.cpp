#include "pages/CSoundDlg.h"

#include "resource.h"

using keldra::pages::SliderForm;

namespace {

using Table = keldra::pages::PageTable<CSoundDlg>;
using Label = Table::Label;
using Check = Table::Check;
using Slider = Table::Slider;

constexpr const wchar_t* kSection = L"SOUND";
// Above 6000, so the loudest level keeps a little travel to the right of its mark.
constexpr int kVolumeMaximum = 6300;
constexpr int kDefaultVolume = 6000;

}  // namespace

IMPLEMENT_DYNAMIC(CSoundDlg, CSettingsPage)

// clang-format off
const Table::Row CSoundDlg::kRows[] = {
    Label{IDC_SOUND_ETC_TITLE, {L"IDC_sETC", L"ETC."}},
    //    control id               member                        section   key                built-in caption
    Check{IDC_SOUND_VOICE_CHAR,    &CSoundDlg::m_bVoiceChar,    kSection, L"VOICE_CHAR",    1, {L"IDC_sCHARACTER_VOICE", L"Character voice"}},
    Check{IDC_SOUND_VOICE_NPC,     &CSoundDlg::m_bVoiceNpc,     kSection, L"VOICE_NPC",     1, {L"IDC_sNPC_VOICE", L"NPC voice"}},
    Check{IDC_SOUND_DANGER_DETECT, &CSoundDlg::m_bDangerDetect, kSection, L"DANGER_DETECT", 1, {L"IDC_sDANGER", L"Danger preception"}},
    Label{IDC_SOUND_VOLUME_TITLE, {L"IDC_sVOLUME", L"Volume"}},
    Label{IDC_LOW, {L"IDC_LOW", L"Low"}},
    Label{IDC_HIGH, {L"IDC_HIGH", L"High"}},
    Label{IDC_SOUND_EFFECT_TITLE, {L"IDC_iSOUND_EFFECT", L"Effect sounds"}},
    //     control id               member                       range           section   key             stored as           built-in
    Slider{IDC_SOUND_EFFECT_SLIDER, &CSoundDlg::m_sliderEffect, kVolumeMaximum, kSection, L"VOL_EFFECT", SliderForm::Number, kDefaultVolume},
    Label{IDC_SOUND_BGM_TITLE, {L"IDC_sBACKGROUND_MUSIC", L"Background sounds"}},
    Slider{IDC_SOUND_BGM_SLIDER,    &CSoundDlg::m_sliderBgm,    kVolumeMaximum, kSection, L"VOL_BGM",    SliderForm::Number, kDefaultVolume},
    Label{IDC_SOUND_WORLD_TITLE, {L"IDC_sENVIRONMENT", L"Environment sounds"}},
    Slider{IDC_SOUND_WORLD_SLIDER,  &CSoundDlg::m_sliderWorld,  kVolumeMaximum, kSection, L"VOL_WORLD",  SliderForm::Number, kDefaultVolume},
};
// clang-format on

CSoundDlg::CSoundDlg() : CSettingsPage(IDD_SOUND_DIALOG, IDB_SOUND_BACK) {}

void CSoundDlg::DoDataExchange(CDataExchange* dx) {
    CSettingsPage::DoDataExchange(dx);
    Table::Exchange(*this, dx, kRows);
}

BOOL CSoundDlg::OnInitDialog() {
    CSettingsPage::OnInitDialog();
    Table::SetCaptions(*this, kRows);
    Table::SetUp(*this, kRows);
    ResetToDefaults();
    LoadSettings();
    return TRUE;
}

void CSoundDlg::ResetToDefaults() {
    UpdateData(TRUE);
    Table::Reset(*this, kRows);
    UpdateData(FALSE);
}

void CSoundDlg::LoadSettings() {
    UpdateData(TRUE);
    Table::Load(*this, kRows);
    UpdateData(FALSE);
}

void CSoundDlg::SaveSettings(keldra::settings::SettingsTransaction& save) {
    UpdateData(TRUE);
    Table::Save(*this, kRows, save);
}
