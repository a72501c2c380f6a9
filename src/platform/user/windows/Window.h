// One window of the window layer: its place in the tree, its class and procedure, its
// geometry, its text and its paint state. The window manager owns every Window; the rest of
// the platform reaches them through their handles.
#pragma once

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/gdi/raster/Region.h"
#include "platform/gdi/raster/Surface.h"
#include "platform/user/UserConstants.h"
#include "platform/user/UserTypes.h"
#include "platform/user/windows/NativeWindowLink.h"
#include "platform/user/windows/WindowClass.h"

namespace keldra::platform::user {

using gdi::Point;
using gdi::Rect;
using gdi::Region;

struct Window {
    HWND handle = nullptr;
    std::shared_ptr<const WindowClass> windowClass;
    WNDPROC procedure = nullptr;
    HWND parent = nullptr;       // null for a top-level window
    HWND owner = nullptr;        // top-level windows only
    std::vector<HWND> children;  // z-order, topmost first; creation order for new children

    DWORD style = 0;
    DWORD exStyle = 0;
    int id = 0;
    std::wstring text;
    HFONT font = nullptr;
    HICON icons[2] = {nullptr, nullptr};
    LONG_PTR userData = 0;
    std::vector<LONG_PTR> extra;  // the class's window extra bytes, in LONG_PTR slots

    // Left/top in the parent's client area; on the screen for a top-level window. The
    // windows of this layer have no frame, so the client area is the whole window.
    Rect rect;
    std::optional<Region> shape;  // window coordinates; none means the whole rectangle
    bool minimized = false;

    Region update;  // window coordinates
    bool erasePending = false;

    bool destroying = false;
    // Top-level windows: the pixels of the window and its children, and whether the host
    // has yet to see their latest state.
    std::shared_ptr<gdi::Surface> surface;
    bool needsPresent = false;
    NativeWindowLink native;

    bool IsChild() const { return (style & WS_CHILD) != 0 && parent != nullptr; }
    bool IsVisibleFlag() const { return (style & WS_VISIBLE) != 0; }
    bool IsEnabledFlag() const { return (style & WS_DISABLED) == 0; }
    Rect ClientRect() const { return {0, 0, rect.Width(), rect.Height()}; }
};

}  // namespace keldra::platform::user
