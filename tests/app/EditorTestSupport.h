// Runs the real editor in-process on a headless host, in a temporary game folder, with the
// test's own steps played while its modal run waits for input.
#pragma once

#include <gtest/gtest.h>
#include <windows.h>

#include <functional>
#include <string>

#include "app/CConfigApp.h"
#include "app/CConfigDlg.h"
#include "platform/headless/HeadlessHost.h"
#include "platform/session/Session.h"
#include "support/TempFolder.h"

namespace keldra::app::testing {

class EditorTest : public ::testing::Test {
  protected:
    EditorTest();
    ~EditorTest() override;

    // Queues a step; steps run one at a time whenever the editor is idle. Every queued step
    // must run: a step still waiting when the run ends, or one never followed by a run,
    // fails the test, so checks kept inside steps cannot pass by not running.
    void Then(std::function<void()> step) { host_.Then(std::move(step)); }
    // Runs the editor until its window closes or the steps run out; the modal result.
    INT_PTR RunEditor();
    void TearDown() override;

    CConfigDlg& Main() const;
    HWND MainWindow() const { return Main().GetSafeHwnd(); }
    std::wstring TextOf(HWND window) const;
    std::wstring ButtonText(int id) const { return TextOf(GetDlgItem(MainWindow(), id)); }
    // A point of the main window's client area on the screen.
    POINT ScreenOf(int x, int y) const;
    void ClickAt(int x, int y);
    // The presented colour of the main window at a client point.
    COLORREF PixelAt(int x, int y) const { return host_.PixelAt(MainWindow(), x, y); }

    keldra::testing::TempFolder folder_;
    // Before the host, so that it ends after it: what the test made goes with it.
    platform::Session session_;
    platform::host::HeadlessHost host_;

  private:
    std::string previousFolder_;
    std::size_t stepsLeftByRuns_ = 0;  // already reported by RunEditor
};

// A pixel of an embedded bitmap, as COLORREF.
COLORREF BitmapPixel(int id, int x, int y);

}  // namespace keldra::app::testing
