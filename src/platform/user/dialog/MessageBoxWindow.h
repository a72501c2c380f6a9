// MessageBox: a small modal window with a title strip, an error mark when asked for, the
// text and an OK button, centred on its owner and closed by OK, Enter, Space or Escape.
// It draws itself, so it needs none of the standard control classes.
#pragma once

#include <string>

#include "platform/gdi/raster/Geometry.h"
#include "platform/user/UserTypes.h"

namespace keldra::platform::user {

class MessageBoxWindow {
  public:
    static int Run(HWND owner, std::wstring text, std::wstring caption, UINT type);

  private:
    struct Layout {
        gdi::Rect window;  // size only
        gdi::Rect title;
        gdi::Rect mark;
        gdi::Rect text;
        gdi::Rect button;
    };
    struct State {
        std::wstring text;
        std::wstring caption;
        bool error = false;
        Layout layout;
        bool buttonHeld = false;
        bool closed = false;
    };

    static Layout Measure(const State& state);
    static gdi::Rect CentreOn(HWND owner, const gdi::Rect& size);
    static void EnsureClass();
    static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    static void Paint(HWND window, const State& state);
    static void PumpUntilClosed(const State& state);
};

}  // namespace keldra::platform::user
