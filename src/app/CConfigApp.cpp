#include "app/CConfigApp.h"

#include <commctrl.h>
#include <stdlib.h>  // __argc, __argv

#include <span>

#include "app/CConfigDlg.h"
#include "app/ConfigStart.h"

namespace {

// The program's arguments after its name, as the C runtime keeps them.
std::span<const char* const> CommandArguments() {
    if (__argc < 2 || __argv == nullptr) return {};
    return {__argv + 1, __argv + __argc};
}

}  // namespace

CConfigApp::CConfigApp() : CWinApp(L"Keldra") {}

BOOL CConfigApp::InitInstance() {
    InitCommonControls();  // the pages' sliders and lists
    CWinApp::InitInstance();
    AfxEnableControlContainer();

    m_nExitCode = ConfigStart::Run(CommandArguments(), [this] { RunMainWindow(); });
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
