// The window's device context for drawing outside WM_PAINT (a state change that shows at
// once), released at the end of the scope.
#pragma once

#include <windows.h>

namespace keldra::platform::user::controls {

class WindowDc {
  public:
    explicit WindowDc(HWND window) : window_(window), dc_(GetDC(window)) {}
    ~WindowDc() {
        if (dc_ != nullptr) ReleaseDC(window_, dc_);
    }
    WindowDc(const WindowDc&) = delete;
    WindowDc& operator=(const WindowDc&) = delete;

    HDC Dc() const { return dc_; }

  private:
    HWND window_;
    HDC dc_;
};

}  // namespace keldra::platform::user::controls
