// Invalidation, painting and the system colours.
#include "platform/user/User.h"
#include "platform/user/windows/SystemColours.h"
#include "platform/user/windows/UserState.h"

using keldra::platform::gdi::Rect;
using keldra::platform::user::CurrentWindows;
using keldra::platform::user::FindWindowOf;
using keldra::platform::user::WindowManager;

namespace {

std::optional<Rect> AreaOf(const RECT* rect) {
    if (rect == nullptr) return std::nullopt;
    return Rect::Normalized(rect->left, rect->top, rect->right, rect->bottom);
}

}  // namespace

BOOL InvalidateRect(HWND window, const RECT* rect, BOOL erase) {
    if (CurrentWindows().Find(window) == nullptr) return FALSE;
    CurrentWindows().Painter().Invalidate(window, AreaOf(rect), erase != FALSE);
    return TRUE;
}

BOOL ValidateRect(HWND window, const RECT*) {
    if (CurrentWindows().Find(window) == nullptr) return FALSE;
    CurrentWindows().Painter().Validate(window);
    return TRUE;
}

BOOL UpdateWindow(HWND window) {
    auto* w = CurrentWindows().Find(window);
    if (w == nullptr) return FALSE;
    if (!w->Update().IsEmpty()) {
        const MSG paint{window, WM_PAINT, 0, 0, 0, {0, 0}};
        CurrentWindows().Dispatch(paint);
    }
    return TRUE;
}

HDC BeginPaint(HWND window, LPPAINTSTRUCT paint) {
    return CurrentWindows().Painter().BeginPaint(window, paint);
}

BOOL EndPaint(HWND window, const PAINTSTRUCT* paint) {
    CurrentWindows().Painter().EndPaint(window, paint);
    return TRUE;
}

DWORD GetSysColor(int index) {
    const COLORREF colour = keldra::platform::user::UserState::Require().Colours().Colour(index);
    return colour == CLR_INVALID ? 0 : colour;
}

HBRUSH GetSysColorBrush(int index) {
    return keldra::platform::user::UserState::Require().Colours().Brush(index);
}
