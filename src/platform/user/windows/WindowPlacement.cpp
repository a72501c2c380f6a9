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
    const HWND handle = window.Handle();
    manager_.Send(handle, WM_SHOWWINDOW, TRUE, 0);
    if (manager_.Find(handle) == nullptr) return;
    window.SetVisibleFlag(true);
    if (!window.IsChild()) {
        ShowOnHost(window);
        if (activate) manager_.Activate(handle);
    }
    manager_.Painter().InvalidateTree(handle);
}

void WindowPlacement::BecomeHidden(Window& window) {
    const HWND handle = window.Handle();
    manager_.Send(handle, WM_SHOWWINDOW, FALSE, 0);
    if (manager_.Find(handle) == nullptr) return;
    window.SetVisibleFlag(false);
    window.ClearUpdate();
    if (window.IsChild()) {
        Uncover(window, WindowGeometry::ShapeOf(window));
        return;
    }
    window.Native().Hide();
    // A hidden top-level window is no longer active and keeps no focus.
    if (manager_.Active() == handle) manager_.Deactivate();
    if (manager_.TopLevelOf(manager_.Focus()) == handle) manager_.SetFocus(nullptr);
}

void WindowPlacement::SetMinimized(Window& window, bool minimized) {
    if (window.Minimized() == minimized) return;
    window.SetMinimized(minimized);
    window.Native().SetMinimized(minimized);
    if (!minimized) manager_.Painter().InvalidateTree(window.Handle());
}

host::NativeWindowRole WindowPlacement::RoleOf(const Window& window) {
    if (window.ExStyle() & WS_EX_TOOLWINDOW) return host::NativeWindowRole::Popup;
    if (window.Owner() != nullptr && !(window.ExStyle() & WS_EX_APPWINDOW)) {
        return host::NativeWindowRole::Owned;
    }
    return host::NativeWindowRole::Application;
}

void WindowPlacement::ShowOnHost(Window& window) {
    host::Host* host = manager_.Host();
    if (host == nullptr) return;
    const HICON icon = window.ShownIcon();
    window.Native().Show(*host, window.Handle(),
                         {window.Bounds(), window.Text(), icon, window.Shape(),
                          UserState::Require().Icons().Find(icon), RoleOf(window), window.Owner()});
    if (window.Minimized()) window.Native().SetMinimized(true);
    window.MarkForPresent();
}

bool WindowPlacement::SetPosition(HWND handle, HWND insertAfter, Rect rect, UINT flags) {
    Window* window = manager_.Find(handle);
    if (window == nullptr) return false;
    const Rect old = window->Bounds();
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
    window->SetBounds(placed);
    if (!window->IsChild()) {
        if (resized) window->DropPixels();
        window->Native().Move(placed);
    }
    const bool redraw = !(flags & SWP_NOREDRAW) && (placed != old || !(flags & SWP_NOZORDER));
    if (redraw && geometry_.IsShowing(*window)) {
        if (window->IsChild()) {
            Region uncovered = oldShape;
            uncovered.Offset(old.left, old.top);
            manager_.Painter().InvalidateUncovered(window->Parent(), uncovered);
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
    window->SetBounds(
        Rect::FromSize(topLeft.x, topLeft.y, window->Bounds().Width(), window->Bounds().Height()));
}

bool WindowPlacement::SetShape(HWND handle, std::optional<Region> shape, bool redraw) {
    Window* window = manager_.Find(handle);
    if (window == nullptr) return false;
    const Region oldShape = WindowGeometry::ShapeOf(*window);
    window->SetShape(std::move(shape));
    window->Native().SetShape(window->Shape());
    if (redraw && geometry_.IsShowing(*window)) {
        if (window->IsChild()) Uncover(*window, oldShape);
        manager_.Painter().InvalidateTree(handle);
    }
    return true;
}

void WindowPlacement::Uncover(const Window& window, const Region& shapeInWindow) {
    Region inParent = shapeInWindow;
    inParent.Offset(window.Bounds().left, window.Bounds().top);
    manager_.Painter().InvalidateUncovered(window.Parent(), inParent);
}

}  // namespace keldra::platform::user
