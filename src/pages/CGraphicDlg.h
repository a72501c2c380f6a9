// The Graphic page: screen size and window mode, four background-graphic sliders, the
// slang filter and the three refusals of other players' requests.
#pragma once

#include <afxcmn.h>
#include <afxwin.h>

#include "pages/CSettingsPage.h"
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
    void SetCaptions();
    // Reads a TEXTURE / RANGE word into a slider, defaulting to its current level's word.
    void LoadLevelWord(const wchar_t* key, CSkinSliderCtrl& slider);
    // Reads a GLOW_LEVEL / GAMMA number into a slider, defaulting to its current level.
    void LoadLevelNumber(const wchar_t* key, CSkinSliderCtrl& slider);
    // Reads a "TRUE" / anything-else flag, defaulting to the member's current state.

    CComboBox m_cbResolution;
    int m_bWindowMode;
    int m_bFullScreen;
    CSkinSliderCtrl m_sldGlow;
    CSkinSliderCtrl m_sldBrightness;
    CSkinSliderCtrl m_sldDetail;
    CSkinSliderCtrl m_sldMaxField;
    int m_bUseFilter;
    int m_bRejectFight;
    int m_bRejectTrade;
    int m_bRejectParty;
};
