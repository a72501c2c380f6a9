// Where windows are and what of them can be seen: origins, shapes, visible regions and
// the window under a screen point.
#pragma once

#include "platform/user/windows/Window.h"

namespace keldra::platform::user {

class WindowManager;

class WindowGeometry {
  public:
    explicit WindowGeometry(WindowManager& manager) : manager_(manager) {}

    // The window's (0, 0) on its top-level window's surface, and on the screen.
    Point OriginInTopLevel(const Window& window) const;
    Point ScreenOrigin(const Window& window) const;
    // The window and all its ancestors are visible and the top-level is not minimised.
    bool IsShowing(const Window& window) const;
    // The window's own area in window coordinates: its rectangle cut by its region.
    static Region ShapeOf(const Window& window);
    // What of the window drawing may reach, in window coordinates: its shape, within every
    // ancestor's shape, less siblings above it (WS_CLIPSIBLINGS) and its children
    // (WS_CLIPCHILDREN).
    Region VisibleRegion(const Window& window) const;
    // The topmost showing, enabled window under the point, after children that call
    // themselves transparent to the mouse; nullptr for the desktop or a disabled window.
    HWND WindowAt(Point screen) const;

  private:
    HWND ChildAt(HWND parent, Point inParent, Point screen) const;
    void CutAboveSiblings(const Window& window, Point offset, Region& area) const;
    void CutChildren(const Window& window, Region& area) const;

    WindowManager& manager_;
};

}  // namespace keldra::platform::user
