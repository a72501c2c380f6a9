#include "platform/user/controls/StaticControl.h"

#include "platform/user/controls/ClassicColours.h"
#include "platform/user/controls/ControlPainter.h"
#include "platform/user/controls/ControlText.h"
#include "platform/user/controls/ObjectSelection.h"
#include "platform/user/controls/PaintScope.h"

namespace keldra::platform::user::controls {

namespace {

constexpr DWORD kAlignmentMask = 0x000Fu;

}  // namespace

StaticControl::StaticControl(HWND window, const CREATESTRUCTW&) : window_(window) {}

LRESULT StaticControl::Handle(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_PAINT: {
            const PaintScope paint(window_);
            Paint(paint.Dc());
            return 0;
        }
        case WM_ERASEBKGND:
            return 1;  // the paint fills the background itself
        case WM_NCHITTEST:
            return HTTRANSPARENT;  // a label lets clicks through to its parent
        case WM_GETDLGCODE:
            return DLGC_STATIC;
        case WM_SETTEXT:
        case WM_ENABLE: {
            const LRESULT result = DefWindowProcW(window_, message, wParam, lParam);
            InvalidateRect(window_, nullptr, TRUE);
            return result;
        }
        default:
            return DefWindowProcW(window_, message, wParam, lParam);
    }
}

UINT StaticControl::TextFormat() const {
    const auto style = static_cast<DWORD>(GetWindowLongPtrW(window_, GWL_STYLE));
    const auto exStyle = static_cast<DWORD>(GetWindowLongPtrW(window_, GWL_EXSTYLE));
    UINT format = DT_WORDBREAK;
    switch (style & kAlignmentMask) {
        case SS_CENTER:
            format |= DT_CENTER;
            break;
        case SS_RIGHT:
            format |= DT_RIGHT;
            break;
        default:
            if (exStyle & WS_EX_RIGHT) format |= DT_RIGHT;
            break;
    }
    return format;
}

void StaticControl::Paint(HDC dc) const {
    RECT client;
    GetClientRect(window_, &client);
    const ObjectSelection font(dc, FontOf(window_));
    // The handler sets text colour and mode on this context before answering.
    const HBRUSH background = ParentBrush(window_, dc, WM_CTLCOLORSTATIC);
    ControlPainter(dc).Fill(client, background);
    if (!IsWindowEnabled(window_)) SetTextColor(dc, classic::kGrayText);
    std::wstring text = TextOf(window_);
    DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &client, TextFormat());
}

}  // namespace keldra::platform::user::controls
