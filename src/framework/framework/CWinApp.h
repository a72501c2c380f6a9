// The application object: exactly one per program, made before start-up. AfxWinMain runs
// its InitInstance and then, if that asks for one, its message loop.
#pragma once

#include "framework/CCmdTarget.h"

class CWnd;

class CWinApp : public CCmdTarget {
  public:
    // The one application object of the program; the constructor makes it so.
    explicit CWinApp(LPCTSTR appName = nullptr);
    ~CWinApp() override;
    CWinApp(const CWinApp&) = delete;
    CWinApp& operator=(const CWinApp&) = delete;

    // FALSE ends the program without a message loop.
    virtual BOOL InitInstance();
    virtual int Run();
    virtual int ExitInstance();

    CWnd* m_pMainWnd = nullptr;
    LPCTSTR m_pszAppName;
    // What the program was started with, as AfxWinMain received it.
    HINSTANCE m_hInstance = nullptr;
    LPTSTR m_lpCmdLine = nullptr;
    int m_nCmdShow = SW_SHOWDEFAULT;
};

CWinApp* AfxGetApp();
CWnd* AfxGetMainWnd();
// The module whose resources (dialogs, bitmaps, icons) the program loads: the one it was
// started with. Resource calls need it: on Windows a null instance means the system's own
// predefined bitmaps and icons, not the program's.
HINSTANCE AfxGetResourceHandle();
// The framework's start-up, called by the program's entry (wWinMain) with its arguments:
// runs the application object; the process ends with what this returns.
int AfxWinMain(HINSTANCE instance = nullptr, HINSTANCE previous = nullptr,
               LPTSTR commandLine = nullptr, int showCommand = SW_SHOWDEFAULT);
// The program asks for embedded-control support at start; it hosts no such controls.
void AfxEnableControlContainer();
