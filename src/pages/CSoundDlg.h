// The Sound page: the volumes of effects, background music and world sounds on three
// sliders, and the character-voice, NPC-voice and danger-detection switches. All of it
// lives in CONFIG.INI's [SOUND] section.
#pragma once

#include "pages/CSettingsPage.h"
#include "pages/PageTable.h"
#include "skin/CSkinSliderCtrl.h"

class CSoundDlg : public CSettingsPage {
    DECLARE_DYNAMIC(CSoundDlg)

  public:
    CSoundDlg();

    void ResetToDefaults() override;
    void LoadSettings() override;
    void SaveSettings(keldra::settings::SettingsTransaction& save) override;

  protected:
    void DoDataExchange(CDataExchange* dx) override;
    // The page's messages (erasing, control colours, destruction) are the skinned
    // surface's, handled by CSettingsPage; a check box click only toggles its box.
    BOOL OnInitDialog() override;

  private:
    using Table = keldra::pages::PageTable<CSoundDlg>;
    // Every control of the page, in the order its keys are read and written.
    static const Table::Row kRows[];

    CSkinSliderCtrl m_sliderEffect;
    CSkinSliderCtrl m_sliderBgm;
    CSkinSliderCtrl m_sliderWorld;
    int m_bVoiceChar = 0;
    int m_bVoiceNpc = 0;
    int m_bDangerDetect = 0;
};
