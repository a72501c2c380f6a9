// A headless host and one top-level test window that plays the parent of the standard
// controls: it paints itself in a known colour, answers WM_CTLCOLORSTATIC with a brush of
// another, and records every notification a control sends it.
#pragma once

#include <gtest/gtest.h>
#include <windows.h>

#include <vector>

#include "platform/headless/HeadlessHost.h"
#include "platform/session/Session.h"

namespace keldra::platform::user::controls::testing {

struct Notice {
    UINT message;  // WM_COMMAND, WM_HSCROLL, WM_DRAWITEM or WM_LBUTTONDOWN
    int code;      // notification code; the item state for WM_DRAWITEM
    int value;     // the position of a trackbar notice; the action for WM_DRAWITEM
    HWND from;
};

class ControlTest : public ::testing::Test {
  protected:
    static constexpr COLORREF kParentColour = RGB(40, 60, 90);
    static constexpr COLORREF kLabelBrushColour = RGB(20, 120, 40);
    static constexpr COLORREF kLabelTextColour = RGB(255, 255, 255);
    static constexpr POINT kOrigin = {100, 100};

    ControlTest();
    ~ControlTest() override;

    HWND Make(LPCWSTR className, LPCWSTR text, DWORD style, RECT rect, int id, DWORD exStyle = 0);

    // Mouse input at a point in a control's client area.
    void MoveTo(HWND control, int x, int y);
    void Press(HWND control, int x, int y);
    void Release(HWND control, int x, int y);
    void Click(HWND control, int x, int y);
    void Type(UINT vk);
    void Settle() { host_.Settle(); }

    // Notices of one kind (all kinds when message is 0), in order.
    std::vector<Notice> Notices(UINT message = 0) const;
    std::vector<int> Codes(UINT message) const;
    void ClearNotices() { notices_.clear(); }
    int ColourRequests(HWND control) const;
    // The brush the parent hands out for labels from now on; nullptr for its own.
    void SetLabelBrush(HBRUSH brush) { labelBrushOverride_ = brush; }

    // A presented pixel of a control, in its own client coordinates.
    COLORREF Pixel(HWND control, int x, int y) const;

    // First, so that it ends last: the test's windows, classes and brushes go with it.
    Session session_;
    host::HeadlessHost host_;
    HWND parent_ = nullptr;
    // Set to leave painting and control colours to the default processing.
    bool classicLook_ = false;

  private:
    static LRESULT CALLBACK ParentProcedure(HWND window, UINT message, WPARAM wParam,
                                            LPARAM lParam);
    LRESULT HandleParent(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    POINT ScreenPoint(HWND control, int x, int y) const;

    static ControlTest* current_;
    HBRUSH labelBrush_;
    HBRUSH labelBrushOverride_ = nullptr;
    std::vector<Notice> notices_;
    std::vector<HWND> colourRequests_;
};

inline RECT At(int x, int y, int width, int height) {
    return {x, y, x + width, y + height};
}

}  // namespace keldra::platform::user::controls::testing
