#include "pages/CInterfaceDlg.h"

#include "resource.h"

using keldra::pages::SliderForm;

namespace {

using Table = keldra::pages::PageTable<CInterfaceDlg>;
using Label = Table::Label;
using Check = Table::Check;
using Slider = Table::Slider;

constexpr const wchar_t* kUser = L"USER";
constexpr const wchar_t* kVideo = L"VIDEO";
// A little above 6000, so the highest sensitivity keeps some travel right of its mark.
constexpr int kSensitivityMaximum = 6100;
constexpr int kDefaultSensitivity = 3000;

}  // namespace

IMPLEMENT_DYNAMIC(CInterfaceDlg, CSettingsPage)

// SHADOW and WATER belong to [USER] here; the [VIDEO] lines of those names are the game's.
// clang-format off
const Table::Row CInterfaceDlg::kRows[] = {
    Label{IDC_INTERFACE_OPERATION_TITLE, {L"IDC_iOPERATION", L"Operation"}},
    Label{IDC_INTERFACE_SENSITIVITY_TITLE, {L"IDC_iMOUSE_SENSITIVITY", L"Mouse sensitivity"}},
    Slider{IDC_INTERFACE_SENSITIVITY_SLIDER, &CInterfaceDlg::m_sliderSensitivity, kSensitivityMaximum,
           kUser, L"MOUSE_SENSITIVITY", SliderForm::Number, kDefaultSensitivity},
    Label{IDC_LOW, {L"IDC_LOW", L"Low"}},
    Label{IDC_HIGH, {L"IDC_HIGH", L"High"}},
    //    control id                      member                           section key                  built-in caption
    Check{IDC_INTERFACE_SHADOW,           &CInterfaceDlg::m_bShadow,         kUser,  L"SHADOW",           1, {L"IDC_gSHADOW", L"Shadow effect"}},
    Check{IDC_INTERFACE_WATER,            &CInterfaceDlg::m_bWater,          kUser,  L"WATER",            0, {L"IDC_gWATER_REFLECTION", L"Water relection"}},
    Check{IDC_INTERFACE_USE_MOUSE,        &CInterfaceDlg::m_bUseMouse,       kUser,  L"USE_MOUSE",        1, {L"IDC_MOUSE_USE", L"Use a mouse"}},
    Check{IDC_INTERFACE_INV_MOUSE,        &CInterfaceDlg::m_bInvMouse,       kUser,  L"INV_MOUSE",        0, {L"IDC_iMOUSE_inversion", L"Mouse inversion"}},
    Check{IDC_INTERFACE_INV_MOUSE_UPDOWN, &CInterfaceDlg::m_bInvMouseUpDown, kUser,  L"INV_MOUSE_UPDOWN", 0, {L"IDC_iMOUSE_UPDOWN_INVERSION", L"Mouse up down inversion"}},
    Label{IDC_INTERFACE_DISPLAY_TITLE, {L"IDC_iDISPLAY", L"Display"}},
    Check{IDC_INTERFACE_USER_NAME,        &CInterfaceDlg::m_bUserName,       kUser,  L"USER_NAME",        1, {L"IDC_iPLAYER_NAME", L"Player name"}},
    Check{IDC_INTERFACE_MY_NAME,          &CInterfaceDlg::m_bMyName,         kUser,  L"MY_NAME",          1, {L"IDC_iMY_NAME", L"My name"}},
    Check{IDC_INTERFACE_MONSTER_NAME,     &CInterfaceDlg::m_bMonsterName,    kUser,  L"MONSTER_NAME",     1, {L"IDC_iMONSTER_NAME", L"Monster name"}},
    Check{IDC_INTERFACE_UI_REOPEN,        &CInterfaceDlg::m_bUiReopen,       kUser,  L"UI_REOPEN",        1, {L"IDC_iUI_REOPEN", L"UI re-open"}},
    Check{IDC_INTERFACE_SHOW_INTERFACE,   &CInterfaceDlg::m_bShowInterface,  kUser,  L"SHOW_INTERFACE",   1, {L"IDC_iALL_WINDOWS", L"All windows"}},
    Check{IDC_INTERFACE_HELMET,           &CInterfaceDlg::m_bHelmet,         kVideo, L"HELMET",           1, {L"IDC_iPITCH", L"Display a war helmet"}},
    Check{IDC_INTERFACE_CLOAK,            &CInterfaceDlg::m_bCloak,          kVideo, L"CLOAK",            1, {L"IDC_iMANTEAU", L"Display a mantle"}},
    Check{IDC_INTERFACE_WEAPONEFF,        &CInterfaceDlg::m_bWeaponEffect,   kVideo, L"WEAPONEFF",        1, {L"IDC_iARAMS", L"Effect of weapon"}},
    Check{IDC_INTERFACE_TALK_BALLOON,     &CInterfaceDlg::m_bTalkBalloon,    kUser,  L"TALK_BALLOON",     1, {L"IDC_iTALK_BALLOON", L"Balloon of talking"}},
    Check{IDC_INTERFACE_WARNING_MSG,      &CInterfaceDlg::m_bWarningMsg,     kUser,  L"WARNING_MSG",      1, {L"IDC_iWARNING", L"Warning message"}},
    Check{IDC_INTERFACE_SCREEN_SWING,     &CInterfaceDlg::m_bScreenSwing,    kUser,  L"SCREEN_SWING",     1, {L"IDC_iSHAKE", L"Shaking of window"}},
    Check{IDC_INTERFACE_HIDE_DAMAGE,      &CInterfaceDlg::m_bHideDamage,     kUser,  L"HIDE_DAMAGE",      0, {L"IDC_iDAMAGE_HIDE", L"Hide of damage"}},
};
// clang-format on

CInterfaceDlg::CInterfaceDlg() : CSettingsPage(IDD_INTERFACE_DIALOG, IDB_INTERFACE_BACK) {}

void CInterfaceDlg::DoDataExchange(CDataExchange* dx) {
    CSettingsPage::DoDataExchange(dx);
    Table::Exchange(*this, dx, kRows);
}

BOOL CInterfaceDlg::OnInitDialog() {
    CSettingsPage::OnInitDialog();
    Table::SetCaptions(*this, kRows);
    Table::SetUp(*this, kRows);
    ResetToDefaults();
    LoadSettings();
    return TRUE;
}

void CInterfaceDlg::ResetToDefaults() {
    UpdateData(TRUE);
    Table::Reset(*this, kRows);
    UpdateData(FALSE);
}

void CInterfaceDlg::LoadSettings() {
    UpdateData(TRUE);
    Table::Load(*this, kRows);
    UpdateData(FALSE);
}

void CInterfaceDlg::SaveSettings(keldra::settings::SettingsTransaction& save) {
    UpdateData(TRUE);
    Table::Save(*this, kRows, save);
}
