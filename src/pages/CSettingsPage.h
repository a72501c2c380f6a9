// What the three settings pages share: a skinned child dialog inside the main window whose
// Enter and Escape act as OK and Cancel of the whole program, and the contract by which
// the main window resets, loads and saves it.
#pragma once

#include <afxwin.h>

#include <span>

#include "settings/SettingsTransaction.h"

// One control's caption: its key in the caption file and the text without one.
struct PageCaption {
    int id;
    const wchar_t* key;
    const wchar_t* defaultText;
};

class CSettingsPage : public CDialog {
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
    // Sets each control's text from the caption file, in the order given.
    void SetCaptions(std::span<const PageCaption> captions);
    // A switch as stored: on only for exactly TRUE; `current` is the default.
    int LoadFlag(const wchar_t* section, const wchar_t* key, int current) const;
    const std::wstring& ConfigPath() const;

    CBitmap m_bmpBack;
    CBrush m_brBack;

    DECLARE_MESSAGE_MAP()

  private:
    UINT m_nBackgroundId;
};
