// Showing, hiding, minimising, moving, sizing, stacking and shaping windows, with the
// repainting each change needs and the host kept in step for top-level windows.
#pragma once

#include <optional>

#include "platform/host/Host.h"
#include "platform/user/windows/Window.h"
#include "platform/user/windows/WindowGeometry.h"

namespace keldra::platform::user {

class WindowManager;

class WindowPlacement {
  public:
    explicit WindowPlacement(WindowManager& manager) : manager_(manager), geometry_(manager) {}

    // ShowWindow: whether the window was visible before.
    bool Show(HWND handle, int command);
    bool SetPosition(HWND handle, HWND insertAfter, Rect rect, UINT flags);
    bool SetShape(HWND handle, std::optional<Region> shape, bool redraw);
    // A top-level window that the desktop moved: only its place changes, and the host,
    // which reported the move, is not told again.
    void MovedByDesktop(HWND handle, gdi::Point topLeft);
    // How the desktop is to treat the top-level window.
    static host::NativeWindowRole RoleOf(const Window& window);

  private:
    void BecomeVisible(Window& window, bool activate);
    void BecomeHidden(Window& window);
    void SetMinimized(Window& window, bool minimized);
    void Uncover(const Window& window, const Region& shapeInWindow);
    void ShowOnHost(Window& window);

    WindowManager& manager_;
    WindowGeometry geometry_;
};

}  // namespace keldra::platform::user
