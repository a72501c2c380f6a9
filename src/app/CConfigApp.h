// The application: starts the main window as a modal dialog and ends when it closes.
#pragma once

#include <afxwin.h>

class CConfigApp : public CWinApp {
  public:
    CConfigApp();

    BOOL InitInstance() override;

    // How the main window's modal run ended: IDOK, IDCANCEL, or -1 before it has ended.
    INT_PTR ModalResult() const { return m_nModalResult; }

  private:
    INT_PTR m_nModalResult = -1;
};
