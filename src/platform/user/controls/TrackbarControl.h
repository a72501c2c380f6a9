// The "msctls_trackbar32" window class, horizontal: a thumb dragged along a channel, paged by
// presses beside the thumb (repeating on a timer while held), moved by the arrow, page, Home
// and End keys. Every move it makes itself reaches the parent as WM_HSCROLL.
#pragma once

#include <windows.h>

#include "platform/user/controls/TrackbarLayout.h"
#include "platform/user/controls/TrackbarRange.h"

namespace keldra::platform::user::controls {

class TrackbarControl {
  public:
    static constexpr UINT_PTR kRepeatTimer = 1;
    static constexpr UINT kRepeatInterval = 100;  // milliseconds

    TrackbarControl(HWND window, const CREATESTRUCTW& create);

    LRESULT Handle(UINT message, WPARAM wParam, LPARAM lParam);

  private:
    enum class Tracking { None, Thumb, PageUp, PageDown };

    LRESULT RangeMessage(UINT message, WPARAM wParam, LPARAM lParam);
    TrackbarLayout Layout() const;
    void MouseDown(int x, int y);
    void MouseMove(int x);
    void MouseUp();
    void RepeatPage();
    // Pages once toward x if the thumb has not reached it; returns whether it moved.
    bool PageToward(int x);
    void StopTracking(bool notify);
    void KeyDown(WPARAM key);
    void KeyUp(WPARAM key);
    void Notify(int code) const;
    void Redraw(bool redraw = true);
    void Paint(HDC dc) const;

    HWND window_;
    TrackbarRange range_;
    Tracking tracking_ = Tracking::None;
    bool focused_ = false;
};

}  // namespace keldra::platform::user::controls
