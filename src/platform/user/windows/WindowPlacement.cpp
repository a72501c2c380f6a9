#include "platform/user/windows/WindowPlacement.h"

#include <algorithm>

#include "platform/user/windows/IconTable.h"
#include "platform/user/windows/UserState.h"
#include "platform/user/windows/WindowManager.h"

namespace keldra::platform::user {

bool WindowPlacement::Show(HWND handle, int command) {
    Window* window = manager_.Find(handle);
    if (window == nullptr) return false;
    const bool wasVisible = window->IsVisibleFlag();
    switch (command) {
        case SW_HIDE:
            if (wasVisible) BecomeHidden(*window);
            break;
        case SW_MINIMIZE:
        case SW_SHOWMINIMIZED:
            if (!wasVisible) BecomeVisible(*window, false);
            SetMinimized(*window, true);
            break;
        case SW_RESTORE:
            if (!wasVisible) BecomeVisible(*window, true);
            SetMinimized(*window, false);
            break;
        default:
            if (!wasVisible) BecomeVisible(*window, command != SW_SHOWNA);
            break;
    }
    return wasVisible;
}

void WindowPlacement::BecomeVisible(Window& window, bool activate) {
    const HWND handle = window.handle;
    manager_.Send(handle, WM_SHOWWINDOW, TRUE, 0);
    if (manager_.Find(handle) == nullptr) return;
    window.style |= WS_VISIBLE;
    if (!window.IsChild()) {
        ShowOnHost(window);
        if (activate) manager_.Activate(handle);
    }
    manager_.Painter().InvalidateTree(handle);
}

void WindowPlacement::BecomeHidden(Window& window) {
    const HWND handle = window.handle;
    manager_.Send(handle, WM_SHOWWINDOW, FALSE, 0);
    if (manager_.Find(handle) == nullptr) return;
    window.style &= ~static_cast<DWORD>(WS_VISIBLE);
    window.update = Region();
    window.erasePending = false;
    if (window.IsChild()) {
        Uncover(window, WindowGeometry::ShapeOf(window));
        return;
    }
    window.native.Hide();
    // A hidden top-level window is no longer active and keeps no focus.
    if (manager_.Active() == handle) manager_.Deactivate();
    if (manager_.TopLevelOf(manager_.Focus()) == handle) manager_.SetFocus(nullptr);
}

void WindowPlacement::SetMinimized(Window& window, bool minimized) {
    if (window.minimized == minimized) return;
    window.minimized = minimized;
    if (minimized) {
        window.style |= WS_MINIMIZE;
    } else {
        window.style &= ~static_cast<DWORD>(WS_MINIMIZE);
    }
    window.native.SetMinimized(minimized);
    if (!minimized) manager_.Painter().InvalidateTree(window.handle);
}

host::NativeWindowRole WindowPlacement::RoleOf(const Window& window) {
    if (window.exStyle & WS_EX_TOOLWINDOW) return host::NativeWindowRole::Popup;
    if (window.owner != nullptr && !(window.exStyle & WS_EX_APPWINDOW)) {
        return host::NativeWindowRole::Owned;
    }
    return host::NativeWindowRole::Application;
}

void WindowPlacement::ShowOnHost(Window& window) {
    host::Host* host = manager_.Host();
    if (host == nullptr) return;
    const HICON icon = window.icons[1] != nullptr ? window.icons[1] : window.icons[0];
    window.native.Show(*host, window.handle,
                       {window.rect, window.text, icon, window.shape,
                        UserState::Require().Icons().Find(icon), RoleOf(window), window.owner});
    if (window.minimized) window.native.SetMinimized(true);
    window.needsPresent = true;
}

bool WindowPlacement::SetPosition(HWND handle, HWND insertAfter, Rect rect, UINT flags) {
    Window* window = manager_.Find(handle);
    if (window == nullptr) return false;
    const Rect old = window->rect;
    const Region oldShape = WindowGeometry::ShapeOf(*window);
    Rect placed = old;
    if (!(flags & SWP_NOMOVE))
        placed = Rect::FromSize(rect.left, rect.top, old.Width(), old.Height());
    if (!(flags & SWP_NOSIZE)) {
        placed.right = placed.left + std::max(0, rect.Width());
        placed.bottom = placed.top + std::max(0, rect.Height());
    }
    if (!(flags & SWP_NOZORDER)) manager_.Restack(handle, insertAfter);
    const bool resized = placed.Width() != old.Width() || placed.Height() != old.Height();
    window->rect = placed;
    if (!window->IsChild()) {
        if (resized) DropSurface(*window);
        window->native.Move(placed);
    }
    const bool redraw = !(flags & SWP_NOREDRAW) && (placed != old || !(flags & SWP_NOZORDER));
    if (redraw && geometry_.IsShowing(*window)) {
        if (window->IsChild()) {
            Region uncovered = oldShape;
            uncovered.Offset(old.left, old.top);
            manager_.Painter().InvalidateUncovered(window->parent, uncovered);
        }
        if (window->IsChild() || resized) manager_.Painter().InvalidateTree(handle);
    }
    if (flags & SWP_SHOWWINDOW) Show(handle, (flags & SWP_NOACTIVATE) ? SW_SHOWNA : SW_SHOW);
    if (flags & SWP_HIDEWINDOW) Show(handle, SW_HIDE);
    return true;
}

void WindowPlacement::MovedByDesktop(HWND handle, gdi::Point topLeft) {
    Window* window = manager_.Find(handle);
    if (window == nullptr || window->IsChild()) return;
    window->rect =
        Rect::FromSize(topLeft.x, topLeft.y, window->rect.Width(), window->rect.Height());
}

bool WindowPlacement::SetShape(HWND handle, std::optional<Region> shape, bool redraw) {
    Window* window = manager_.Find(handle);
    if (window == nullptr) return false;
    const Region oldShape = WindowGeometry::ShapeOf(*window);
    window->shape = std::move(shape);
    window->native.SetShape(window->shape);
    if (redraw && geometry_.IsShowing(*window)) {
        if (window->IsChild()) Uncover(*window, oldShape);
        manager_.Painter().InvalidateTree(handle);
    }
    return true;
}

void WindowPlacement::Uncover(const Window& window, const Region& shapeInWindow) {
    Region inParent = shapeInWindow;
    inParent.Offset(window.rect.left, window.rect.top);
    manager_.Painter().InvalidateUncovered(window.parent, inParent);
}

const std::shared_ptr<gdi::Surface>& WindowPlacement::SurfaceOf(Window& topLevel) {
    if (topLevel.surface == nullptr) {
        topLevel.surface =
            gdi::Surface::Create(std::max(1, topLevel.rect.Width()),
                                 std::max(1, topLevel.rect.Height()), gdi::PixelFormat::Colour);
    }
    return topLevel.surface;
}

void WindowPlacement::DropSurface(Window& window) {
    // Made when first drawn on or shown: a dialog resized to its background before its
    // first paint, as the skinned windows are, never fills a surface it would drop.
    window.surface.reset();
    window.needsPresent = true;
}

}  // namespace keldra::platform::user
