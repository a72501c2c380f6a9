// The Graphic page. Its controls and settings come with the page itself; until then it is
// the skinned, empty page that the main window shows, resets, loads and saves.
#pragma once

#include "pages/CSettingsPage.h"

class CGraphicDlg : public CSettingsPage {
  public:
    CGraphicDlg();

    void ResetToDefaults() override {}
    void LoadSettings() override {}
    void SaveSettings(keldra::settings::SettingsTransaction&) override {}
};
