// What the three settings pages share: a skinned child dialog inside the main window whose
// Enter and Escape act as OK and Cancel of the whole program, and the contract by which
// the main window resets, loads and saves it.
#pragma once

#include <afxwin.h>

#include <string>
#include <string_view>

#include "pages/PageCaption.h"
#include "settings/SettingsTransaction.h"

namespace keldra::pages {
template <class Page>
class PageTable;
}

class CSettingsPage : public CDialog {
    DECLARE_DYNAMIC(CSettingsPage)

  public:
    CSettingsPage(UINT templateId, UINT backgroundId);

    // Puts the page's built-in defaults into its controls; writes nothing.
    virtual void ResetToDefaults() = 0;
    // Reads the page's keys into its controls, each read defaulting to the control's state.
    virtual void LoadSettings() = 0;
    // Adds every key of the page, from its controls' state, to the save being gathered.
    virtual void SaveSettings(keldra::settings::SettingsTransaction& save) = 0;

  protected:
    // The skin set-up; a page then sets its captions and controls and ends with
    // ResetToDefaults and LoadSettings.
    BOOL OnInitDialog() override;
    void OnOK() override;
    void OnCancel() override;

    afx_msg BOOL OnEraseBkgnd(CDC* dc);
    afx_msg HBRUSH OnCtlColor(CDC* dc, CWnd* child, UINT kind);
    afx_msg void OnDestroy();

    std::wstring LoadCaptionText(std::wstring_view key, std::wstring_view defaultText) const;
    // Sets the control's text from the caption file.
    void SetCaption(int id, const keldra::pages::PageCaption& caption);
    const std::wstring& ConfigPath() const;

    CBitmap m_bmpBack;
    CBrush m_brBack;

    DECLARE_MESSAGE_MAP()

  private:
    // The page's table sets captions and reads from the main window's settings file.
    template <class Page>
    friend class keldra::pages::PageTable;

    UINT m_nBackgroundId;
};
