#include "pages/CInterfaceDlg.h"

#include "pages/SliderValue.h"
#include "resource.h"
#include "settings/SettingsFile.h"

using keldra::pages::FlagText;
using keldra::pages::SliderPositionOf;
using keldra::pages::StoredNumberOf;
using keldra::pages::StoredNumberText;
using keldra::settings::SettingsFile;

namespace {

constexpr const wchar_t* kUser = L"USER";
constexpr const wchar_t* kVideo = L"VIDEO";
// A little above 6000, so the highest sensitivity keeps some travel right of its mark.
constexpr int kSensitivityMaximum = 6100;
constexpr int kDefaultSensitivity = 3000;

// In the order the captions are looked up; the texts are the program's own.
constexpr PageCaption kCaptions[] = {
    {IDC_LOW, L"IDC_LOW", L"Low"},
    {IDC_HIGH, L"IDC_HIGH", L"High"},
    {IDC_INTERFACE_OPERATION_TITLE, L"IDC_iOPERATION", L"Operation"},
    {IDC_INTERFACE_USE_MOUSE, L"IDC_MOUSE_USE", L"Use a mouse"},
    {IDC_INTERFACE_INV_MOUSE, L"IDC_iMOUSE_inversion", L"Mouse inversion"},
    {IDC_INTERFACE_INV_MOUSE_UPDOWN, L"IDC_iMOUSE_UPDOWN_INVERSION", L"Mouse up down inversion"},
    {IDC_INTERFACE_SENSITIVITY_TITLE, L"IDC_iMOUSE_SENSITIVITY", L"Mouse sensitivity"},
    {IDC_INTERFACE_DISPLAY_TITLE, L"IDC_iDISPLAY", L"Display"},
    {IDC_INTERFACE_USER_NAME, L"IDC_iPLAYER_NAME", L"Player name"},
    {IDC_INTERFACE_MY_NAME, L"IDC_iMY_NAME", L"My name"},
    {IDC_INTERFACE_MONSTER_NAME, L"IDC_iMONSTER_NAME", L"Monster name"},
    {IDC_INTERFACE_UI_REOPEN, L"IDC_iUI_REOPEN", L"UI re-open"},
    {IDC_INTERFACE_SHOW_INTERFACE, L"IDC_iALL_WINDOWS", L"All windows"},
    {IDC_INTERFACE_HELMET, L"IDC_iPITCH", L"Display a war helmet"},
    {IDC_INTERFACE_CLOAK, L"IDC_iMANTEAU", L"Display a mantle"},
    {IDC_INTERFACE_WEAPONEFF, L"IDC_iARAMS", L"Effect of weapon"},
    {IDC_INTERFACE_TALK_BALLOON, L"IDC_iTALK_BALLOON", L"Balloon of talking"},
    {IDC_INTERFACE_SCREEN_SWING, L"IDC_iSHAKE", L"Shaking of window"},
    {IDC_INTERFACE_WARNING_MSG, L"IDC_iWARNING", L"Warning message"},
    {IDC_INTERFACE_HIDE_DAMAGE, L"IDC_iDAMAGE_HIDE", L"Hide of damage"},
    {IDC_INTERFACE_SHADOW, L"IDC_gSHADOW", L"Shadow effect"},
    {IDC_INTERFACE_WATER, L"IDC_gWATER_REFLECTION", L"Water relection"},
};

}  // namespace

// SHADOW and WATER belong to [USER] here; the [VIDEO] lines of those names are the game's.
const CInterfaceDlg::Switch CInterfaceDlg::kSwitches[] = {
    {&CInterfaceDlg::m_bShadow, kUser, L"SHADOW", 1},
    {&CInterfaceDlg::m_bWater, kUser, L"WATER", 0},
    {&CInterfaceDlg::m_bUseMouse, kUser, L"USE_MOUSE", 1},
    {&CInterfaceDlg::m_bInvMouse, kUser, L"INV_MOUSE", 0},
    {&CInterfaceDlg::m_bInvMouseUpDown, kUser, L"INV_MOUSE_UPDOWN", 0},
    {&CInterfaceDlg::m_bUserName, kUser, L"USER_NAME", 1},
    {&CInterfaceDlg::m_bMyName, kUser, L"MY_NAME", 1},
    {&CInterfaceDlg::m_bMonsterName, kUser, L"MONSTER_NAME", 1},
    {&CInterfaceDlg::m_bUiReopen, kUser, L"UI_REOPEN", 1},
    {&CInterfaceDlg::m_bShowInterface, kUser, L"SHOW_INTERFACE", 1},
    {&CInterfaceDlg::m_bHelmet, kVideo, L"HELMET", 1},
    {&CInterfaceDlg::m_bCloak, kVideo, L"CLOAK", 1},
    {&CInterfaceDlg::m_bWeaponEffect, kVideo, L"WEAPONEFF", 1},
    {&CInterfaceDlg::m_bTalkBalloon, kUser, L"TALK_BALLOON", 1},
    {&CInterfaceDlg::m_bWarningMsg, kUser, L"WARNING_MSG", 1},
    {&CInterfaceDlg::m_bScreenSwing, kUser, L"SCREEN_SWING", 1},
    {&CInterfaceDlg::m_bHideDamage, kUser, L"HIDE_DAMAGE", 0},
};

CInterfaceDlg::CInterfaceDlg() : CSettingsPage(IDD_INTERFACE_DIALOG, IDB_INTERFACE_BACK) {}

void CInterfaceDlg::DoDataExchange(CDataExchange* dx) {
    CSettingsPage::DoDataExchange(dx);
    DDX_Check(dx, IDC_INTERFACE_USE_MOUSE, m_bUseMouse);
    DDX_Check(dx, IDC_INTERFACE_INV_MOUSE, m_bInvMouse);
    DDX_Check(dx, IDC_INTERFACE_INV_MOUSE_UPDOWN, m_bInvMouseUpDown);
    DDX_Control(dx, IDC_INTERFACE_SENSITIVITY_SLIDER, m_sliderSensitivity);
    DDX_Check(dx, IDC_INTERFACE_USER_NAME, m_bUserName);
    DDX_Check(dx, IDC_INTERFACE_MY_NAME, m_bMyName);
    DDX_Check(dx, IDC_INTERFACE_MONSTER_NAME, m_bMonsterName);
    DDX_Check(dx, IDC_INTERFACE_UI_REOPEN, m_bUiReopen);
    DDX_Check(dx, IDC_INTERFACE_SHOW_INTERFACE, m_bShowInterface);
    DDX_Check(dx, IDC_INTERFACE_HELMET, m_bHelmet);
    DDX_Check(dx, IDC_INTERFACE_CLOAK, m_bCloak);
    DDX_Check(dx, IDC_INTERFACE_WEAPONEFF, m_bWeaponEffect);
    DDX_Check(dx, IDC_INTERFACE_TALK_BALLOON, m_bTalkBalloon);
    DDX_Check(dx, IDC_INTERFACE_SCREEN_SWING, m_bScreenSwing);
    DDX_Check(dx, IDC_INTERFACE_WARNING_MSG, m_bWarningMsg);
    DDX_Check(dx, IDC_INTERFACE_HIDE_DAMAGE, m_bHideDamage);
    DDX_Check(dx, IDC_INTERFACE_SHADOW, m_bShadow);
    DDX_Check(dx, IDC_INTERFACE_WATER, m_bWater);
}

BOOL CInterfaceDlg::OnInitDialog() {
    CSettingsPage::OnInitDialog();
    SetCaptions(kCaptions);
    m_sliderSensitivity.LoadSkinBitmaps(IDB_SLIDER_CHANNEL, IDB_SLIDER_THUMB);
    m_sliderSensitivity.InitRange(0, kSensitivityMaximum, FALSE);
    ResetToDefaults();
    LoadSettings();
    return TRUE;
}

void CInterfaceDlg::ResetToDefaults() {
    UpdateData(TRUE);
    m_sliderSensitivity.SetPos(kDefaultSensitivity);
    for (const Switch& entry : kSwitches) this->*entry.flag = entry.builtInDefault;
    UpdateData(FALSE);
}

void CInterfaceDlg::LoadSettings() {
    UpdateData(TRUE);
    const std::wstring& path = ConfigPath();
    const int stored = SettingsFile::ReadInt(kUser, L"MOUSE_SENSITIVITY",
                                             StoredNumberOf(m_sliderSensitivity.GetPos()), path);
    m_sliderSensitivity.SetPos(SliderPositionOf(stored));
    for (const Switch& entry : kSwitches) {
        int& flag = this->*entry.flag;
        flag = LoadFlag(entry.section, entry.key, flag);
    }
    UpdateData(FALSE);
}

void CInterfaceDlg::SaveSettings(keldra::settings::SettingsTransaction& save) {
    UpdateData(TRUE);
    save.Write(kUser, L"MOUSE_SENSITIVITY", StoredNumberText(m_sliderSensitivity.GetPos()));
    for (const Switch& entry : kSwitches) {
        save.Write(entry.section, entry.key, FlagText(this->*entry.flag));
    }
}
