// The default processing every window class falls back on.
#include <algorithm>
#include <cwchar>

#include "platform/gdi/Gdi.h"
#include "platform/user/User.h"
#include "platform/user/windows/IconTable.h"
#include "platform/user/windows/MessageKinds.h"
#include "platform/user/windows/SystemColours.h"
#include "platform/user/windows/UserState.h"

using keldra::platform::user::CurrentWindows;
using keldra::platform::user::FindWindowOf;
using keldra::platform::user::IconTable;
using keldra::platform::user::SystemColours;
using keldra::platform::user::UserState;
using keldra::platform::user::Window;
using keldra::platform::user::WindowManager;

namespace {

LRESULT SetText(Window& window, LPCWSTR text) {
    window.SetText(text != nullptr ? text : L"");
    window.Native().SetTitle(window.Text());
    return TRUE;
}

LRESULT GetText(const Window& window, WPARAM size, LPWSTR buffer) {
    if (buffer == nullptr || size == 0) return 0;
    const std::size_t count = std::min<std::size_t>(window.Text().size(), size - 1);
    std::wmemcpy(buffer, window.Text().c_str(), count);
    buffer[count] = L'\0';
    return static_cast<LRESULT>(count);
}

LRESULT EraseBackground(const Window& window, HDC dc) {
    HBRUSH brush = window.Class().background;
    if (SystemColours::IsColourIndexBrush(brush)) {
        brush = UserState::Require().Colours().Brush(
            static_cast<int>(reinterpret_cast<std::uintptr_t>(brush)) - 1);
    }
    if (brush == nullptr) return 0;
    const RECT client{0, 0, window.Bounds().Width(), window.Bounds().Height()};
    FillRect(dc, &client, brush);
    return 1;
}

// What a window answers when a child asks for its colours: the dialog face for buttons,
// labels and dialogs, the window colour for edit fields and lists.
LRESULT ControlColour(UINT message, HDC dc) {
    const bool field = message == WM_CTLCOLOREDIT || message == WM_CTLCOLORLISTBOX;
    const int background = field ? COLOR_WINDOW : COLOR_BTNFACE;
    const SystemColours& colours = UserState::Require().Colours();
    SetTextColor(dc, colours.Colour(COLOR_WINDOWTEXT));
    SetBkColor(dc, colours.Colour(background));
    return reinterpret_cast<LRESULT>(colours.Brush(background));
}

void Paint(HWND window) {
    PAINTSTRUCT paint;
    BeginPaint(window, &paint);
    EndPaint(window, &paint);
}

}  // namespace

LRESULT DefWindowProcW(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    Window* w = CurrentWindows().Find(window);
    if (w == nullptr) return 0;
    if (keldra::platform::user::IsControlColourMessage(message))
        return ControlColour(message, reinterpret_cast<HDC>(wParam));
    switch (message) {
        case WM_NCCREATE:
            return TRUE;
        case WM_SETTEXT:
            return SetText(*w, reinterpret_cast<LPCWSTR>(lParam));
        case WM_GETTEXT:
            return GetText(*w, wParam, reinterpret_cast<LPWSTR>(lParam));
        case WM_GETTEXTLENGTH:
            return static_cast<LRESULT>(w->Text().size());
        case WM_PAINT:
            Paint(window);
            return 0;
        case WM_ERASEBKGND:
            return EraseBackground(*w, reinterpret_cast<HDC>(wParam));
        case WM_CLOSE:
            DestroyWindow(window);
            return 0;
        case WM_NCHITTEST:
            return HTCLIENT;
        case WM_SETFONT:
            w->SetFont(reinterpret_cast<HFONT>(wParam));
            if (LOWORD(lParam)) InvalidateRect(window, nullptr, TRUE);
            return 0;
        case WM_GETFONT:
            return reinterpret_cast<LRESULT>(w->Font());
        case WM_SETICON: {
            const int which = wParam != 0 ? 1 : 0;
            const HICON previous = w->Icon(which);
            w->SetIcon(which, reinterpret_cast<HICON>(lParam));
            if (w->Native().Shown()) {
                w->Native().SetIcon(UserState::Require().Icons().Find(w->ShownIcon()));
            }
            return reinterpret_cast<LRESULT>(previous);
        }
        case WM_ACTIVATE:
            if (LOWORD(wParam) != WA_INACTIVE && !IsChild(window, GetFocus())) SetFocus(window);
            return 0;
        default:
            return 0;
    }
}
