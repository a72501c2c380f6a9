// The Interface page: mouse use, inversion and sensitivity, which names and equipment the
// game shows, and the window, message, shaking, damage, shadow and water switches. Its keys
// live in CONFIG.INI's [USER] section, but for HELMET, CLOAK and WEAPONEFF in [VIDEO].
#pragma once

#include "pages/CSettingsPage.h"
#include "pages/PageTable.h"
#include "skin/CSkinSliderCtrl.h"

class CInterfaceDlg : public CSettingsPage {
    DECLARE_DYNAMIC(CInterfaceDlg)

  public:
    CInterfaceDlg();

    void ResetToDefaults() override;
    void LoadSettings() override;
    void SaveSettings(keldra::settings::SettingsTransaction& save) override;

  protected:
    void DoDataExchange(CDataExchange* dx) override;
    // The page's messages (erasing, control colours, destruction) are the skinned
    // surface's, handled by CSettingsPage; a check box click only toggles its box.
    BOOL OnInitDialog() override;

  private:
    using Table = keldra::pages::PageTable<CInterfaceDlg>;
    // Every control of the page, in the order its keys are read and written.
    static const Table::Row kRows[];

    int m_bUseMouse = 0;
    int m_bInvMouse = 0;
    int m_bInvMouseUpDown = 0;
    CSkinSliderCtrl m_sliderSensitivity;
    int m_bUserName = 0;
    int m_bMyName = 0;
    int m_bMonsterName = 0;
    int m_bUiReopen = 0;
    int m_bShowInterface = 0;
    int m_bHelmet = 0;
    int m_bCloak = 0;
    int m_bWeaponEffect = 0;
    int m_bTalkBalloon = 0;
    int m_bScreenSwing = 0;
    int m_bWarningMsg = 0;
    int m_bHideDamage = 0;
    int m_bShadow = 0;
    int m_bWater = 0;
};
