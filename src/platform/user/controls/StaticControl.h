// The "Static" window class: a label. Its parent's WM_CTLCOLORSTATIC answer gives the
// background brush, text colour and background mode; the text wraps at word breaks.
#pragma once

#include <windows.h>

namespace keldra::platform::user::controls {

class StaticControl {
  public:
    StaticControl(HWND window, const CREATESTRUCTW& create);

    LRESULT Handle(UINT message, WPARAM wParam, LPARAM lParam);

  private:
    void Paint(HDC dc) const;
    UINT TextFormat() const;

    HWND window_;
};

}  // namespace keldra::platform::user::controls
