#include "platform/user/controls/TrackbarControl.h"

#include "platform/user/controls/ClassicColours.h"
#include "platform/user/controls/ControlPainter.h"
#include "platform/user/controls/ControlText.h"
#include "platform/user/controls/PaintScope.h"

namespace keldra::platform::user::controls {

namespace {

bool IsNavigationKey(WPARAM key) {
    switch (key) {
        case VK_LEFT:
        case VK_UP:
        case VK_RIGHT:
        case VK_DOWN:
        case VK_PRIOR:
        case VK_NEXT:
        case VK_HOME:
        case VK_END:
            return true;
        default:
            return false;
    }
}

}  // namespace

TrackbarControl::TrackbarControl(HWND window, const CREATESTRUCTW&) : window_(window) {}

LRESULT TrackbarControl::Handle(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_PAINT: {
            const PaintScope paint(window_);
            Paint(paint.Dc());
            return 0;
        }
        case WM_ERASEBKGND:
            return 1;
        case WM_GETDLGCODE:
            return DLGC_WANTARROWS;
        case WM_LBUTTONDOWN:
            MouseDown(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam));
            return 0;
        case WM_MOUSEMOVE:
            MouseMove(GET_X_LPARAM(lParam));
            return 0;
        case WM_LBUTTONUP:
            MouseUp();
            return 0;
        case WM_TIMER:
            if (wParam == kRepeatTimer) RepeatPage();
            return 0;
        case WM_CAPTURECHANGED:
        case WM_CANCELMODE:
            StopTracking(true);
            return 0;
        case WM_KEYDOWN:
            KeyDown(wParam);
            return 0;
        case WM_KEYUP:
            KeyUp(wParam);
            return 0;
        case WM_SETFOCUS:
        case WM_KILLFOCUS:
            focused_ = message == WM_SETFOCUS;
            Redraw();
            return 0;
        case WM_DESTROY:
            KillTimer(window_, kRepeatTimer);
            return 0;
        default:
            return RangeMessage(message, wParam, lParam);
    }
}

LRESULT TrackbarControl::RangeMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case TBM_GETPOS:
            return range_.Pos();
        case TBM_GETRANGEMIN:
            return range_.Min();
        case TBM_GETRANGEMAX:
            return range_.Max();
        case TBM_SETPOS:
            range_.SetPos(static_cast<int>(lParam));
            Redraw(wParam != 0);
            return 0;
        case TBM_SETRANGEMIN:
            range_.SetMin(static_cast<int>(lParam));
            Redraw(wParam != 0);
            return 0;
        case TBM_SETRANGEMAX:
            range_.SetMax(static_cast<int>(lParam));
            Redraw(wParam != 0);
            return 0;
        case TBM_SETRANGE:
            range_.SetMin(static_cast<short>(LOWORD(lParam)));
            range_.SetMax(static_cast<short>(HIWORD(lParam)));
            Redraw(wParam != 0);
            return 0;
        case TBM_GETPAGESIZE:
            return range_.PageSize();
        case TBM_SETPAGESIZE:
            return range_.SetPageSize(static_cast<int>(lParam));
        case TBM_GETLINESIZE:
            return range_.LineSize();
        case TBM_SETLINESIZE:
            return range_.SetLineSize(static_cast<int>(lParam));
        case TBM_GETTHUMBRECT:
        case TBM_GETCHANNELRECT:
            if (auto* out = reinterpret_cast<RECT*>(lParam)) {
                *out = message == TBM_GETTHUMBRECT ? Layout().Thumb() : Layout().Channel();
            }
            return 0;
        default:
            return DefWindowProcW(window_, message, wParam, lParam);
    }
}

TrackbarLayout TrackbarControl::Layout() const {
    RECT client;
    GetClientRect(window_, &client);
    return TrackbarLayout(client, range_);
}

void TrackbarControl::MouseDown(int x, int y) {
    if (GetFocus() != window_) SetFocus(window_);
    const RECT thumb = Layout().Thumb();
    const bool onThumb = x >= thumb.left && x < thumb.right && y >= thumb.top && y < thumb.bottom;
    SetCapture(window_);
    if (onThumb) {
        tracking_ = Tracking::Thumb;
        return;
    }
    tracking_ = x < thumb.left ? Tracking::PageUp : Tracking::PageDown;
    PageToward(x);
    SetTimer(window_, kRepeatTimer, kRepeatInterval, nullptr);
}

void TrackbarControl::MouseMove(int x) {
    if (tracking_ != Tracking::Thumb) return;
    if (range_.SetPos(Layout().PosAt(x))) {
        Redraw();
        Notify(TB_THUMBTRACK);
    }
}

void TrackbarControl::MouseUp() {
    if (tracking_ == Tracking::None) return;
    const bool dragged = tracking_ == Tracking::Thumb;
    tracking_ = Tracking::None;
    KillTimer(window_, kRepeatTimer);
    if (GetCapture() == window_) ReleaseCapture();
    if (dragged) Notify(TB_THUMBPOSITION);
    Notify(TB_ENDTRACK);
}

void TrackbarControl::RepeatPage() {
    if (tracking_ != Tracking::PageUp && tracking_ != Tracking::PageDown) {
        KillTimer(window_, kRepeatTimer);
        return;
    }
    POINT pointer;
    GetCursorPos(&pointer);
    ScreenToClient(window_, &pointer);
    PageToward(pointer.x);
}

bool TrackbarControl::PageToward(int x) {
    const RECT thumb = Layout().Thumb();
    const bool up = tracking_ == Tracking::PageUp;
    // Paging stops once the thumb has reached the pointer, or the pointer crossed it.
    if (up ? x >= thumb.left : x < thumb.right) return false;
    const long long page = range_.PageSize();
    if (!range_.MoveBy(up ? -page : page)) return false;
    Redraw();
    Notify(up ? TB_PAGEUP : TB_PAGEDOWN);
    return true;
}

void TrackbarControl::StopTracking(bool notify) {
    if (tracking_ == Tracking::None) return;
    tracking_ = Tracking::None;
    KillTimer(window_, kRepeatTimer);
    if (notify) Notify(TB_ENDTRACK);
}

void TrackbarControl::KeyDown(WPARAM key) {
    const long long line = range_.LineSize();
    const long long page = range_.PageSize();
    int code = TB_ENDTRACK;
    switch (key) {
        case VK_LEFT:
        case VK_UP:
            range_.MoveBy(-line);
            code = TB_LINEUP;
            break;
        case VK_RIGHT:
        case VK_DOWN:
            range_.MoveBy(line);
            code = TB_LINEDOWN;
            break;
        case VK_PRIOR:
            range_.MoveBy(-page);
            code = TB_PAGEUP;
            break;
        case VK_NEXT:
            range_.MoveBy(page);
            code = TB_PAGEDOWN;
            break;
        case VK_HOME:
            range_.SetPos(range_.Min());
            code = TB_TOP;
            break;
        case VK_END:
            range_.SetPos(range_.Max());
            code = TB_BOTTOM;
            break;
        default:
            return;
    }
    Redraw();
    Notify(code);
}

void TrackbarControl::KeyUp(WPARAM key) {
    if (IsNavigationKey(key)) Notify(TB_ENDTRACK);
}

void TrackbarControl::Notify(int code) const {
    HWND parent = GetParent(window_);
    if (parent == nullptr) return;
    const bool carriesPos = code == TB_THUMBTRACK || code == TB_THUMBPOSITION;
    const WPARAM wParam = MAKEWPARAM(code, carriesPos ? range_.Pos() : 0);
    SendMessageW(parent, WM_HSCROLL, wParam, reinterpret_cast<LPARAM>(window_));
}

void TrackbarControl::Redraw(bool redraw) {
    if (redraw) InvalidateRect(window_, nullptr, TRUE);
}

void TrackbarControl::Paint(HDC dc) const {
    RECT client;
    GetClientRect(window_, &client);
    const ControlPainter painter(dc);
    painter.Fill(client, ParentBrush(window_, dc, WM_CTLCOLORSTATIC));
    const TrackbarLayout layout = Layout();
    painter.SunkenEdge(layout.Channel());
    const RECT thumb = layout.Thumb();
    painter.Fill(thumb, classic::Face());
    painter.RaisedEdge(thumb);
    if (focused_) painter.FocusFrame(client);
}

}  // namespace keldra::platform::user::controls
