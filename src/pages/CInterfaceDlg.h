// The Interface page. Its controls and settings come with the page itself; until then it is
// the skinned, empty page that the main window shows, resets, loads and saves.
#pragma once

#include "pages/CSettingsPage.h"

class CInterfaceDlg : public CSettingsPage {
  public:
    CInterfaceDlg();

    void ResetToDefaults() override {}
    void LoadSettings() override {}
    void SaveSettings(keldra::settings::SettingsTransaction&) override {}
};
