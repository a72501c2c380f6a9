// The Graphic page: screen size and window mode, four background-graphic sliders, the
// slang filter and the three refusals of other players' requests.
#pragma once

#include <afxcmn.h>
#include <afxwin.h>

#include "pages/CSettingsPage.h"
#include "pages/PageTable.h"
#include "skin/CSkinSliderCtrl.h"

class CGraphicDlg : public CSettingsPage {
    DECLARE_DYNAMIC(CGraphicDlg)

  public:
    CGraphicDlg();
    ~CGraphicDlg() override = default;

    void ResetToDefaults() override;
    void LoadSettings() override;
    void SaveSettings(keldra::settings::SettingsTransaction& save) override;

  protected:
    void DoDataExchange(CDataExchange* dx) override;
    BOOL OnInitDialog() override;

    // Window mode and full screen are plain check boxes made into one choice.
    afx_msg void OnBnClickedWindowMode();
    afx_msg void OnBnClickedFullScreen();

    DECLARE_MESSAGE_MAP()

  private:
    using Table = keldra::pages::PageTable<CGraphicDlg>;
    // Every control of the page, in the order its keys are written.
    static const Table::Row kRows[];

    CComboBox m_cbResolution;
    int m_bWindowMode = 0;
    int m_bFullScreen = 0;
    CSkinSliderCtrl m_sldGlow;
    CSkinSliderCtrl m_sldBrightness;
    CSkinSliderCtrl m_sldDetail;
    CSkinSliderCtrl m_sldMaxField;
    int m_bUseFilter = 0;
    int m_bRejectFight = 0;
    int m_bRejectTrade = 0;
    int m_bRejectParty = 0;
};
