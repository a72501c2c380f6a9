#include "platform/user/controls/ControlText.h"

namespace keldra::platform::user::controls {

HFONT FontOf(HWND window) {
    const auto font = reinterpret_cast<HFONT>(SendMessageW(window, WM_GETFONT, 0, 0));
    return font != nullptr ? font : static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
}

std::wstring TextOf(HWND window) {
    const int length = GetWindowTextLengthW(window);
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    const int copied = GetWindowTextW(window, text.data(), length + 1);
    text.resize(static_cast<std::size_t>(copied > 0 ? copied : 0));
    return text;
}

HBRUSH ParentBrush(HWND control, HDC dc, UINT message) {
    HWND parent = GetParent(control);
    if (parent == nullptr) parent = control;
    const auto wParam = reinterpret_cast<WPARAM>(dc);
    const auto lParam = reinterpret_cast<LPARAM>(control);
    auto brush = reinterpret_cast<HBRUSH>(SendMessageW(parent, message, wParam, lParam));
    if (brush == nullptr) {
        brush = reinterpret_cast<HBRUSH>(DefWindowProcW(parent, message, wParam, lParam));
    }
    return brush;
}

void NotifyParent(HWND control, int code) {
    HWND parent = GetParent(control);
    if (parent == nullptr) return;
    const int id = GetDlgCtrlID(control);
    SendMessageW(parent, WM_COMMAND, MAKEWPARAM(id, code), reinterpret_cast<LPARAM>(control));
}

}  // namespace keldra::platform::user::controls
