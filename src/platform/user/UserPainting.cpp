// Invalidation, painting and the system colours.
#include "platform/user/User.h"
#include "platform/user/windows/SystemColours.h"
#include "platform/user/windows/WindowManager.h"

using keldra::platform::gdi::Rect;
using keldra::platform::user::WindowManager;

namespace {

WindowManager& Manager() {
    return WindowManager::Instance();
}

std::optional<Rect> AreaOf(const RECT* rect) {
    if (rect == nullptr) return std::nullopt;
    return Rect::Normalized(rect->left, rect->top, rect->right, rect->bottom);
}

}  // namespace

BOOL InvalidateRect(HWND window, const RECT* rect, BOOL erase) {
    if (Manager().Find(window) == nullptr) return FALSE;
    Manager().Painter().Invalidate(window, AreaOf(rect), erase != FALSE);
    return TRUE;
}

BOOL ValidateRect(HWND window, const RECT*) {
    if (Manager().Find(window) == nullptr) return FALSE;
    Manager().Painter().Validate(window);
    return TRUE;
}

BOOL UpdateWindow(HWND window) {
    auto* w = Manager().Find(window);
    if (w == nullptr) return FALSE;
    if (!w->update.IsEmpty()) {
        const MSG paint{window, WM_PAINT, 0, 0, 0, {0, 0}};
        Manager().Dispatch(paint);
    }
    return TRUE;
}

HDC BeginPaint(HWND window, LPPAINTSTRUCT paint) {
    return Manager().Painter().BeginPaint(window, paint);
}

BOOL EndPaint(HWND window, const PAINTSTRUCT* paint) {
    Manager().Painter().EndPaint(window, paint);
    return TRUE;
}

DWORD GetSysColor(int index) {
    const COLORREF colour = keldra::platform::user::SystemColours::Instance().Colour(index);
    return colour == CLR_INVALID ? 0 : colour;
}

HBRUSH GetSysColorBrush(int index) {
    return keldra::platform::user::SystemColours::Instance().Brush(index);
}
