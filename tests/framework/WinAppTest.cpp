// The application object and the framework's start-up.
#include "FrameworkTestSupport.h"

namespace keldra::framework::testing {
namespace {

class TestApp : public CWinApp {
  public:
    BOOL runLoop = FALSE;
    int exitCalls = 0;
    CWnd* mainDuringInit = nullptr;

    BOOL InitInstance() override {
        m_pMainWnd = &mainWindow;
        mainDuringInit = AfxGetMainWnd();
        if (runLoop) PostQuitMessage(7);
        return runLoop;
    }
    int ExitInstance() override {
        ++exitCalls;
        return 5;
    }
    CWnd mainWindow;
};

using WinAppTest = FrameworkTest;

TEST_F(WinAppTest, StartUpWithoutAMessageLoopEndsWithExitInstance) {
    TestApp app;
    EXPECT_EQ(AfxGetApp(), &app);
    EXPECT_EQ(AfxWinMain(), 5);
    EXPECT_EQ(app.mainDuringInit, &app.mainWindow);
    EXPECT_EQ(app.exitCalls, 1);
}

TEST_F(WinAppTest, StartUpWithAMessageLoopRunsUntilTheQuitRequest) {
    TestApp app;
    app.runLoop = TRUE;
    EXPECT_EQ(AfxWinMain(), 7);
    EXPECT_EQ(app.exitCalls, 1);
}

TEST_F(WinAppTest, WithoutAnApplicationObjectStartUpFails) {
    EXPECT_EQ(AfxGetApp(), nullptr);
    EXPECT_EQ(AfxGetMainWnd(), nullptr);
    EXPECT_EQ(AfxWinMain(), -1);
}

}  // namespace
}  // namespace keldra::framework::testing
