// The application: follows its command line, then runs the main window as a modal dialog in
// the game folder and ends when it closes.
#pragma once

#include <afxwin.h>

class CConfigApp : public CWinApp {
  public:
    CConfigApp();

    BOOL InitInstance() override;
    // The process's exit status (see ConfigStart).
    int ExitInstance() override;

    // How the main window's modal run ended: IDOK, IDCANCEL, or -1 before it has ended.
    INT_PTR ModalResult() const { return m_nModalResult; }

  private:
    void RunMainWindow();

    INT_PTR m_nModalResult = -1;
    int m_nExitCode = 0;
};
