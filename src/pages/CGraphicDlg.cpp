#include "pages/CGraphicDlg.h"

#include "pages/DisplayModeList.h"
#include "resource.h"

using keldra::pages::DisplayModeList;
using keldra::pages::SliderForm;

namespace {

using Table = keldra::pages::PageTable<CGraphicDlg>;
using Label = Table::Label;
using Check = Table::Check;
using Slider = Table::Slider;
using ModeList = Table::ModeList;

constexpr wchar_t kVideo[] = L"VIDEO";
constexpr wchar_t kUser[] = L"USER";

constexpr int kGlowMaximum = 4100;      // levels 0 to 4; the last band is 4000 to 4100
constexpr int kDetailMaximum = 2100;    // levels 0 to 2; the last band is 2000 to 2100
constexpr int kDefaultPosition = 2000;  // level 2 on every slider of the page

}  // namespace

IMPLEMENT_DYNAMIC(CGraphicDlg, CSettingsPage)

BEGIN_MESSAGE_MAP(CGraphicDlg, CSettingsPage)
ON_BN_CLICKED(IDC_WINDOW_MODE_CHECK, &CGraphicDlg::OnBnClickedWindowMode)
ON_BN_CLICKED(IDC_FULL_SCREEN_CHECK, &CGraphicDlg::OnBnClickedFullScreen)
END_MESSAGE_MAP()

// The built-in values are those of the settings file the game ships with. Window mode
// has no key of its own: it is the opposite of FULLSCREEN. The refusals live in VIDEO, not
// in the USER keys of the same names that the shipped file holds; USE_FILTER is read
// before them and written after them.
// clang-format off
const Table::Row CGraphicDlg::kRows[] = {
    Label{IDC_DISPLAY_TITLE, {L"IDC_gDisplay", L"Resolution"}},
    Label{IDC_RESOLUTION_LABEL, {L"IDC_gRESOLUSION", L"Resolution"}},
    ModeList{IDC_RESOLUTION_COMBO, &CGraphicDlg::m_cbResolution, kVideo, L"SIZE_X", L"SIZE_Y",
             DisplayModeList::kFallbackIndex},
    Check{IDC_WINDOW_MODE_CHECK, &CGraphicDlg::m_bWindowMode, nullptr, nullptr, 0,
          {L"IDC_gWINDOW", L"Window mode"}},
    Check{.id = IDC_FULL_SCREEN_CHECK, .member = &CGraphicDlg::m_bFullScreen, .section = kVideo,
          .key = L"FULLSCREEN", .builtIn = 1, .caption = {L"IDC_gFULL", L"Full screen"},
          .opposite = &CGraphicDlg::m_bWindowMode},
    Label{IDC_ETC_TITLE, {L"IDC_gETC", L"ETC."}},
    //    control id              member                        section key               built-in caption
    Check{IDC_REJECT_FIGHT_CHECK, &CGraphicDlg::m_bRejectFight, kVideo, L"REJECT_FIGHT", 0, {L"IDC_iDUEL_REFUSAL", L"Reject for duel"}},
    Check{IDC_REJECT_TRADE_CHECK, &CGraphicDlg::m_bRejectTrade, kVideo, L"REJECT_TRADE", 0, {L"IDC_iTRANSACTION_REFUSAL", L"Reject for transaction"}},
    Check{IDC_REJECT_PARTY_CHECK, &CGraphicDlg::m_bRejectParty, kVideo, L"REJECT_PARTY", 0, {L"IDC_iPARTY_REFUSAL", L"Reject for part"}},
    Check{.id = IDC_USE_FILTER_CHECK, .member = &CGraphicDlg::m_bUseFilter, .section = kUser,
          .key = L"USE_FILTER", .builtIn = 1, .caption = {L"IDC_iBAD_LANGUAGE", L"Filter for a slang word"},
          .readBefore = L"REJECT_FIGHT"},
    Label{IDC_BACKGROUND_GRAPHIC_TITLE, {L"IDC_gBACKGROUND_GRAPHIC", L"Background graphic"}},
    Label{IDC_GLOW_LABEL, {L"IDC_gGLOW", L"Glow"}},
    //     control id             member                         range           section key             stored as              built-in
    Slider{IDC_GLOW_SLIDER,       &CGraphicDlg::m_sldGlow,       kGlowMaximum,   kVideo, L"GLOW_LEVEL", SliderForm::Number,    kDefaultPosition},
    Label{IDC_LOW, {L"IDC_LOW", L"Low"}},
    Label{IDC_HIGH, {L"IDC_HIGH", L"High"}},
    Label{IDC_BRIGHTNESS_LABEL, {L"IDC_gBRIGHTNESS", L"Brightness"}},
    Slider{IDC_BRIGHTNESS_SLIDER, &CGraphicDlg::m_sldBrightness, kGlowMaximum,   kVideo, L"GAMMA",      SliderForm::Number,    kDefaultPosition},
    Label{IDC_DETAIL_LABEL, {L"IDC_gDETAIL", L"Detailed depiction"}},
    Slider{IDC_DETAIL_SLIDER,     &CGraphicDlg::m_sldDetail,     kDetailMaximum, kVideo, L"TEXTURE",    SliderForm::LevelWord, kDefaultPosition},
    Label{IDC_MAX_FIELD_LABEL, {L"IDC_gMAX_FIELD", L"Maximum field"}},
    Slider{IDC_MAX_FIELD_SLIDER,  &CGraphicDlg::m_sldMaxField,   kDetailMaximum, kVideo, L"RANGE",      SliderForm::LevelWord, kDefaultPosition},
};
// clang-format on

CGraphicDlg::CGraphicDlg() : CSettingsPage(IDD_GRAPHIC_DIALOG, IDB_GRAPHIC_BACK) {}

void CGraphicDlg::DoDataExchange(CDataExchange* dx) {
    CSettingsPage::DoDataExchange(dx);
    Table::Exchange(*this, dx, kRows);
}

BOOL CGraphicDlg::OnInitDialog() {
    CSettingsPage::OnInitDialog();  // attaches the controls, then the skin
    Table::SetCaptions(*this, kRows);
    Table::SetUp(*this, kRows);
    ResetToDefaults();
    LoadSettings();
    return TRUE;  // the framework places the focus
}

void CGraphicDlg::ResetToDefaults() {
    UpdateData(TRUE);
    Table::Reset(*this, kRows);
    UpdateData(FALSE);
}

// Each read but the screen size defaults to what the control shows, so a missing key
// keeps the built-in default.
void CGraphicDlg::LoadSettings() {
    UpdateData(TRUE);
    Table::Load(*this, kRows);
    UpdateData(FALSE);
}

// Every key is written on every save, changed or not; the screen size only when the list
// has a selection.
void CGraphicDlg::SaveSettings(keldra::settings::SettingsTransaction& save) {
    UpdateData(TRUE);
    Table::Save(*this, kRows, save);
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
