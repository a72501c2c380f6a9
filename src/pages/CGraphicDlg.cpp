#include "pages/CGraphicDlg.h"

#include <string>

#include "pages/DisplayModeList.h"
#include "pages/SliderValue.h"
#include "resource.h"
#include "settings/SettingsFile.h"

using keldra::pages::DisplayModeList;
using keldra::settings::SettingsFile;
using keldra::settings::SettingsTransaction;

using keldra::pages::FlagText;
using keldra::pages::SliderPositionOf;
using keldra::pages::StoredNumberOf;

namespace {

constexpr wchar_t kVideo[] = L"VIDEO";
constexpr wchar_t kUser[] = L"USER";

constexpr int kGlowMaximum = 4100;      // levels 0 to 4; the last band is 4000 to 4100
constexpr int kDetailMaximum = 2100;    // levels 0 to 2; the last band is 2000 to 2100
constexpr int kDefaultPosition = 2000;  // level 2 on every slider of the page

// The detail and view-range words: 0 "LOW", 1 "MIDDLE", 2 "HIGH".
const wchar_t* LevelWord(int level) {
    switch (level) {
        case 0:
            return L"LOW";
        case 1:
            return L"MIDDLE";
        default:
            return L"HIGH";
    }
}

// Case-sensitive and whole; every word other than LOW and MIDDLE counts as HIGH.
int LevelOfWord(const std::wstring& word) {
    if (word == L"LOW") return 0;
    if (word == L"MIDDLE") return 1;
    return 2;
}

}  // namespace

IMPLEMENT_DYNAMIC(CGraphicDlg, CDialog)

BEGIN_MESSAGE_MAP(CGraphicDlg, CSettingsPage)
ON_BN_CLICKED(IDC_WINDOW_MODE_CHECK, &CGraphicDlg::OnBnClickedWindowMode)
ON_BN_CLICKED(IDC_FULL_SCREEN_CHECK, &CGraphicDlg::OnBnClickedFullScreen)
END_MESSAGE_MAP()

CGraphicDlg::CGraphicDlg()
    : CSettingsPage(IDD_GRAPHIC_DIALOG, IDB_GRAPHIC_BACK),
      m_bWindowMode(0),
      m_bFullScreen(0),
      m_bUseFilter(0),
      m_bRejectFight(0),
      m_bRejectTrade(0),
      m_bRejectParty(0) {}

void CGraphicDlg::DoDataExchange(CDataExchange* dx) {
    CSettingsPage::DoDataExchange(dx);
    DDX_Control(dx, IDC_RESOLUTION_COMBO, m_cbResolution);
    DDX_Check(dx, IDC_WINDOW_MODE_CHECK, m_bWindowMode);
    DDX_Check(dx, IDC_FULL_SCREEN_CHECK, m_bFullScreen);
    DDX_Control(dx, IDC_GLOW_SLIDER, m_sldGlow);
    DDX_Control(dx, IDC_BRIGHTNESS_SLIDER, m_sldBrightness);
    DDX_Control(dx, IDC_DETAIL_SLIDER, m_sldDetail);
    DDX_Control(dx, IDC_MAX_FIELD_SLIDER, m_sldMaxField);
    DDX_Check(dx, IDC_USE_FILTER_CHECK, m_bUseFilter);
    DDX_Check(dx, IDC_REJECT_FIGHT_CHECK, m_bRejectFight);
    DDX_Check(dx, IDC_REJECT_TRADE_CHECK, m_bRejectTrade);
    DDX_Check(dx, IDC_REJECT_PARTY_CHECK, m_bRejectParty);
}

BOOL CGraphicDlg::OnInitDialog() {
    CSettingsPage::OnInitDialog();  // attaches the controls, then the skin
    SetCaptions();
    for (const auto& mode : DisplayModeList::Modes()) {
        m_cbResolution.AddString(std::wstring(mode.label).c_str());
    }
    const struct {
        CSkinSliderCtrl& slider;
        int maximum;
    } sliders[] = {{m_sldGlow, kGlowMaximum},
                   {m_sldBrightness, kGlowMaximum},
                   {m_sldDetail, kDetailMaximum},
                   {m_sldMaxField, kDetailMaximum}};
    for (const auto& s : sliders) {
        s.slider.LoadSkinBitmaps(IDB_SLIDER_CHANNEL, IDB_SLIDER_THUMB);
        s.slider.InitRange(0, s.maximum, FALSE);
    }
    ResetToDefaults();
    LoadSettings();
    return TRUE;  // the framework places the focus
}

// The caption keys and default texts are the caption file's own, misspellings included.
void CGraphicDlg::SetCaptions() {
    static constexpr PageCaption kCaptions[] = {
        {IDC_DISPLAY_TITLE, L"IDC_gDisplay", L"Resolution"},
        {IDC_RESOLUTION_LABEL, L"IDC_gRESOLUSION", L"Resolution"},
        {IDC_WINDOW_MODE_CHECK, L"IDC_gWINDOW", L"Window mode"},
        {IDC_FULL_SCREEN_CHECK, L"IDC_gFULL", L"Full screen"},
        {IDC_BACKGROUND_GRAPHIC_TITLE, L"IDC_gBACKGROUND_GRAPHIC", L"Background graphic"},
        {IDC_GLOW_LABEL, L"IDC_gGLOW", L"Glow"},
        {IDC_BRIGHTNESS_LABEL, L"IDC_gBRIGHTNESS", L"Brightness"},
        {IDC_LOW, L"IDC_LOW", L"Low"},
        {IDC_HIGH, L"IDC_HIGH", L"High"},
        {IDC_DETAIL_LABEL, L"IDC_gDETAIL", L"Detailed depiction"},
        {IDC_MAX_FIELD_LABEL, L"IDC_gMAX_FIELD", L"Maximum field"},
        {IDC_ETC_TITLE, L"IDC_gETC", L"ETC."},
        {IDC_USE_FILTER_CHECK, L"IDC_iBAD_LANGUAGE", L"Filter for a slang word"},
        {IDC_REJECT_FIGHT_CHECK, L"IDC_iDUEL_REFUSAL", L"Reject for duel"},
        {IDC_REJECT_TRADE_CHECK, L"IDC_iTRANSACTION_REFUSAL", L"Reject for transaction"},
        {IDC_REJECT_PARTY_CHECK, L"IDC_iPARTY_REFUSAL", L"Reject for part"},
    };
    CSettingsPage::SetCaptions(kCaptions);
}

// The values of the settings file that the game ships with.
void CGraphicDlg::ResetToDefaults() {
    UpdateData(TRUE);
    m_cbResolution.SetCurSel(DisplayModeList::kFallbackIndex);
    m_bWindowMode = 0;
    m_bFullScreen = 1;
    m_sldGlow.SetPos(kDefaultPosition);
    m_sldBrightness.SetPos(kDefaultPosition);
    m_sldDetail.SetPos(kDefaultPosition);
    m_sldMaxField.SetPos(kDefaultPosition);
    m_bUseFilter = 1;
    m_bRejectFight = 0;
    m_bRejectTrade = 0;
    m_bRejectParty = 0;
    UpdateData(FALSE);
}

// Each read but the screen size defaults to what the control shows, so a missing key
// keeps the built-in default. The refusals live in VIDEO, not in the USER keys of the
// same names that the shipped file holds.
void CGraphicDlg::LoadSettings() {
    UpdateData(TRUE);
    const std::wstring& path = ConfigPath();
    const int width = SettingsFile::ReadInt(kVideo, L"SIZE_X", 1024, path);
    const int height = SettingsFile::ReadInt(kVideo, L"SIZE_Y", 768, path);
    m_cbResolution.SetCurSel(DisplayModeList::FindDisplayMode(width, height));

    m_bFullScreen = LoadFlag(kVideo, L"FULLSCREEN", m_bFullScreen);
    m_bWindowMode = m_bFullScreen ? 0 : 1;
    m_bUseFilter = LoadFlag(kUser, L"USE_FILTER", m_bUseFilter);
    m_bRejectFight = LoadFlag(kVideo, L"REJECT_FIGHT", m_bRejectFight);
    m_bRejectTrade = LoadFlag(kVideo, L"REJECT_TRADE", m_bRejectTrade);
    m_bRejectParty = LoadFlag(kVideo, L"REJECT_PARTY", m_bRejectParty);

    LoadLevelNumber(L"GLOW_LEVEL", m_sldGlow);
    LoadLevelNumber(L"GAMMA", m_sldBrightness);
    LoadLevelWord(L"TEXTURE", m_sldDetail);
    LoadLevelWord(L"RANGE", m_sldMaxField);
    UpdateData(FALSE);
}

void CGraphicDlg::LoadLevelNumber(const wchar_t* key, CSkinSliderCtrl& slider) {
    const int level =
        SettingsFile::ReadInt(kVideo, key, StoredNumberOf(slider.GetPos()), ConfigPath());
    slider.SetPos(SliderPositionOf(level));  // the trackbar keeps it within range
}

void CGraphicDlg::LoadLevelWord(const wchar_t* key, CSkinSliderCtrl& slider) {
    const std::wstring word = SettingsFile::ReadText(
        kVideo, key, LevelWord(StoredNumberOf(slider.GetPos())), ConfigPath());
    slider.SetPos(SliderPositionOf(LevelOfWord(word)));
}

// Every key is written on every save, changed or not; window mode is implied by
// FULLSCREEN and has no key of its own.
void CGraphicDlg::SaveSettings(SettingsTransaction& save) {
    UpdateData(TRUE);
    const int mode = m_cbResolution.GetCurSel();
    if (DisplayModeList::IsValidIndex(mode)) {
        save.Write(kVideo, L"SIZE_X", std::to_wstring(DisplayModeList::WidthOf(mode)));
        save.Write(kVideo, L"SIZE_Y", std::to_wstring(DisplayModeList::HeightOf(mode)));
    }
    save.Write(kVideo, L"FULLSCREEN", FlagText(m_bFullScreen));
    save.Write(kVideo, L"REJECT_FIGHT", FlagText(m_bRejectFight));
    save.Write(kVideo, L"REJECT_TRADE", FlagText(m_bRejectTrade));
    save.Write(kVideo, L"REJECT_PARTY", FlagText(m_bRejectParty));
    save.Write(kUser, L"USE_FILTER", FlagText(m_bUseFilter));
    save.Write(kVideo, L"GLOW_LEVEL", std::to_wstring(StoredNumberOf(m_sldGlow.GetPos())));
    save.Write(kVideo, L"GAMMA", std::to_wstring(StoredNumberOf(m_sldBrightness.GetPos())));
    save.Write(kVideo, L"TEXTURE", LevelWord(StoredNumberOf(m_sldDetail.GetPos())));
    save.Write(kVideo, L"RANGE", LevelWord(StoredNumberOf(m_sldMaxField.GetPos())));
}

// Ticking window mode, or clicking it when already ticked, leaves it the one choice.
void CGraphicDlg::OnBnClickedWindowMode() {
    UpdateData(TRUE);
    m_bFullScreen = 0;
    m_bWindowMode = 1;
    UpdateData(FALSE);
}

void CGraphicDlg::OnBnClickedFullScreen() {
    UpdateData(TRUE);
    m_bFullScreen = 1;
    m_bWindowMode = 0;
    UpdateData(FALSE);
}
