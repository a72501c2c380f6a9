#include "framework/CWinApp.h"

#include "framework/AfxModuleState.h"

CWinApp::CWinApp(LPCTSTR appName) : m_pszAppName(appName) {
    AfxGetModuleState().application = this;
}

CWinApp::~CWinApp() {
    CWinApp*& application = AfxGetModuleState().application;
    if (application == this) application = nullptr;
}

BOOL CWinApp::InitInstance() {
    return TRUE;
}

int CWinApp::Run() {
    MSG message{};
    BOOL got = FALSE;
    while ((got = ::GetMessageW(&message, nullptr, 0, 0)) > 0) {
        ::TranslateMessage(&message);
        ::DispatchMessageW(&message);
    }
    const int exitCode = ExitInstance();
    return got == 0 ? static_cast<int>(message.wParam) : exitCode;
}

int CWinApp::ExitInstance() {
    return 0;
}

CWinApp* AfxGetApp() {
    return AfxGetModuleState().application;
}

CWnd* AfxGetMainWnd() {
    const CWinApp* application = AfxGetApp();
    return application != nullptr ? application->m_pMainWnd : nullptr;
}

HINSTANCE AfxGetResourceHandle() {
    const CWinApp* application = AfxGetApp();
    if (application != nullptr && application->m_hInstance != nullptr) {
        return application->m_hInstance;
    }
    return ::GetModuleHandleW(nullptr);  // before start-up, or a program without the object
}

int AfxWinMain(HINSTANCE instance, HINSTANCE, LPTSTR commandLine, int showCommand) {
    CWinApp* application = AfxGetApp();
    if (application == nullptr) return -1;
    application->m_hInstance = instance;
    application->m_lpCmdLine = commandLine;
    application->m_nCmdShow = showCommand;
    if (!application->InitInstance()) return application->ExitInstance();
    return application->Run();
}

void AfxEnableControlContainer() {}
