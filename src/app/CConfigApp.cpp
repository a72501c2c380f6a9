#include "app/CConfigApp.h"

#include <commctrl.h>

#include "app/CConfigDlg.h"
#include "app/CommandArguments.h"
#include "app/ConfigStart.h"

CConfigApp::CConfigApp() : CWinApp(L"Keldra") {}

BOOL CConfigApp::InitInstance() {
    InitCommonControls();  // the pages' sliders and lists
    CWinApp::InitInstance();
    AfxEnableControlContainer();

    m_nExitCode =
        ConfigStart::Run(CommandArguments::AfterProgramName(), [this] { RunMainWindow(); });
    // No message loop: the program ends now that the dialog has closed.
    return FALSE;
}

int CConfigApp::ExitInstance() {
    return m_nExitCode;
}

void CConfigApp::RunMainWindow() {
    CConfigDlg dialog;
    m_pMainWnd = &dialog;
    m_nModalResult = dialog.DoModal();
    m_pMainWnd = nullptr;  // the window object ends here; nobody may reach it afterwards
}
