// Showing, placing and shaping windows, and their rectangles and coordinates.
#include "platform/gdi/Gdi.h"
#include "platform/gdi/GdiHandles.h"
#include "platform/gdi/objects/GdiLookup.h"
#include "platform/user/User.h"
#include "platform/user/windows/UserState.h"
#include "platform/user/windows/WindowGeometry.h"

using keldra::platform::gdi::Rect;
using keldra::platform::user::CurrentWindows;
using keldra::platform::user::FindWindowOf;
using keldra::platform::user::Window;
using keldra::platform::user::WindowGeometry;
using keldra::platform::user::WindowManager;

namespace {

keldra::platform::gdi::Point ScreenOrigin(const Window& window) {
    return WindowGeometry(CurrentWindows()).ScreenOrigin(window);
}

}  // namespace

BOOL ShowWindow(HWND window, int command) {
    return CurrentWindows().Placement().Show(window, command) ? TRUE : FALSE;
}

BOOL IsWindowVisible(HWND window) {
    const Window* w = CurrentWindows().Find(window);
    if (w == nullptr) return FALSE;
    // Visible means the window and all its ancestors have WS_VISIBLE; minimised still counts.
    for (const Window* v = w; v != nullptr;
         v = v->IsChild() ? CurrentWindows().Find(v->Parent()) : nullptr) {
        if (!v->IsVisibleFlag()) return FALSE;
    }
    return TRUE;
}

BOOL IsIconic(HWND window) {
    const Window* w = CurrentWindows().Find(window);
    return w != nullptr && w->Minimized() ? TRUE : FALSE;
}

BOOL MoveWindow(HWND window, int x, int y, int width, int height, BOOL repaint) {
    const UINT flags = SWP_NOZORDER | SWP_NOACTIVATE | (repaint ? 0u : SWP_NOREDRAW);
    return SetWindowPos(window, nullptr, x, y, width, height, flags);
}

BOOL SetWindowPos(HWND window, HWND insertAfter, int x, int y, int width, int height, UINT flags) {
    if (!keldra::platform::gdi::IsSaneSpan(x, width) ||
        !keldra::platform::gdi::IsSaneSpan(y, height)) {
        return FALSE;
    }
    return CurrentWindows().Placement().SetPosition(window, insertAfter,
                                                    Rect::FromSize(x, y, width, height), flags)
               ? TRUE
               : FALSE;
}

BOOL GetWindowRect(HWND window, LPRECT rect) {
    const Window* w = CurrentWindows().Find(window);
    if (w == nullptr || rect == nullptr) return FALSE;
    const auto origin = ScreenOrigin(*w);
    *rect = {origin.x, origin.y, origin.x + w->Bounds().Width(), origin.y + w->Bounds().Height()};
    return TRUE;
}

BOOL GetClientRect(HWND window, LPRECT rect) {
    const Window* w = CurrentWindows().Find(window);
    if (w == nullptr || rect == nullptr) return FALSE;
    *rect = {0, 0, w->Bounds().Width(), w->Bounds().Height()};
    return TRUE;
}

BOOL ClientToScreen(HWND window, LPPOINT point) {
    const Window* w = CurrentWindows().Find(window);
    if (w == nullptr || point == nullptr) return FALSE;
    const auto origin = ScreenOrigin(*w);
    point->x += origin.x;
    point->y += origin.y;
    return TRUE;
}

BOOL ScreenToClient(HWND window, LPPOINT point) {
    const Window* w = CurrentWindows().Find(window);
    if (w == nullptr || point == nullptr) return FALSE;
    const auto origin = ScreenOrigin(*w);
    point->x -= origin.x;
    point->y -= origin.y;
    return TRUE;
}

int SetWindowRgn(HWND window, HRGN region, BOOL redraw) {
    if (CurrentWindows().Find(window) == nullptr) return 0;
    std::optional<keldra::platform::gdi::Region> shape;
    if (region != nullptr) {
        const auto* source = keldra::platform::gdi::RegionOf(region);
        if (source == nullptr) return 0;
        shape = *source;
        // The window owns the region from now on; the handle is of no further use.
        DeleteObject(region);
    }
    return CurrentWindows().Placement().SetShape(window, std::move(shape), redraw != FALSE) ? 1 : 0;
}
