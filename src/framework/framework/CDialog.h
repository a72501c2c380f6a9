// A dialog made from the program's dialog resource of its id, as a child window inside a
// parent (Create) or as a modal run (DoModal), with OnInitDialog, OnOK, OnCancel and data
// exchange. CreateIndirect takes a template the caller holds in memory instead.
#pragma once

#include "framework/CWnd.h"

class CDialog : public CWnd {
    DECLARE_DYNAMIC(CDialog)

  public:
    explicit CDialog(UINT templateId, CWnd* parent = nullptr);

    BOOL Create(UINT templateId, CWnd* parent = nullptr);
    BOOL CreateIndirect(LPCDLGTEMPLATE dialogTemplate, CWnd* parent = nullptr);
    virtual INT_PTR DoModal();
    void EndDialog(int result);

    virtual BOOL OnInitDialog();

    // The dialog procedure the framework gives the platform: it attaches the dialog object
    // being created to its window on the first message and otherwise leaves everything to
    // the window procedure.
    static INT_PTR CALLBACK AfxDlgProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

  protected:
    virtual void OnOK();
    virtual void OnCancel();
    afx_msg LRESULT HandleInitDialog(WPARAM wParam, LPARAM lParam);

    UINT m_nIDTemplate;
    CWnd* m_pParentWnd;

    DECLARE_MESSAGE_MAP()

  private:
    void AttachAsCreated(HWND window);
    // The template of the dialog resource id, or nullptr when the program has none.
    static LPCDLGTEMPLATE FindTemplate(UINT templateId);
};
