#include "platform/user/controls/ButtonControl.h"

#include "platform/user/controls/ButtonPainter.h"
#include "platform/user/controls/ControlText.h"
#include "platform/user/controls/PaintScope.h"
#include "platform/user/controls/WindowDc.h"

namespace keldra::platform::user::controls {

namespace {

ButtonKind KindOf(DWORD style) {
    switch (style & BS_TYPEMASK) {
        case BS_CHECKBOX:
            return ButtonKind::CheckBox;
        case BS_AUTOCHECKBOX:
            return ButtonKind::AutoCheckBox;
        case BS_OWNERDRAW:
            return ButtonKind::OwnerDraw;
        default:
            return ButtonKind::Push;
    }
}

}  // namespace

ButtonControl::ButtonControl(HWND window, const CREATESTRUCTW& create)
    : window_(window), kind_(KindOf(static_cast<DWORD>(create.style))) {
    state_.enabled = (create.style & WS_DISABLED) == 0;
}

LRESULT ButtonControl::Handle(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_PAINT:
            Paint();
            return 0;
        case WM_ERASEBKGND:
            return 1;  // the paint covers the whole button
        case WM_GETDLGCODE:
            return DialogCode();
        case WM_LBUTTONDOWN:
            MouseDown();
            return 0;
        case WM_MOUSEMOVE:
            MouseMove(lParam);
            return 0;
        case WM_LBUTTONUP:
            MouseUp(lParam);
            return 0;
        case WM_CAPTURECHANGED:
        case WM_CANCELMODE:
            if (mouseHeld_) CancelPress();
            return 0;
        case WM_KEYDOWN:
            KeyDown(wParam);
            return 0;
        case WM_KEYUP:
            KeyUp(wParam);
            return 0;
        case WM_CHAR:
            Character(wParam);
            return 0;
        case WM_SETFOCUS:
            FocusChanged(true);
            return 0;
        case WM_KILLFOCUS:
            FocusChanged(false);
            return 0;
        case WM_ENABLE:
            state_.enabled = wParam != 0;
            if (!state_.enabled) CancelPress();
            InvalidateRect(window_, nullptr, TRUE);
            return 0;
        case WM_SETTEXT: {
            const LRESULT result = DefWindowProcW(window_, message, wParam, lParam);
            InvalidateRect(window_, nullptr, TRUE);
            return result;
        }
        case BM_GETCHECK:
            return state_.checked ? BST_CHECKED : BST_UNCHECKED;
        case BM_SETCHECK:
            if (IsCheckKind()) SetChecked(wParam == BST_CHECKED);
            return 0;
        case BM_GETSTATE:
            return StateBits();
        case BM_SETSTATE:
            SetPushed(wParam != 0);
            return 0;
        case BM_CLICK:
            if (state_.enabled) Click();
            return 0;
        default:
            return DefWindowProcW(window_, message, wParam, lParam);
    }
}

LRESULT ButtonControl::DialogCode() const {
    if (IsCheckKind()) return DLGC_BUTTON | DLGC_WANTCHARS;
    const auto style = static_cast<DWORD>(GetWindowLongPtrW(window_, GWL_STYLE));
    const bool isDefault = (style & BS_TYPEMASK) == BS_DEFPUSHBUTTON;
    return DLGC_BUTTON | (isDefault ? DLGC_DEFPUSHBUTTON : DLGC_UNDEFPUSHBUTTON);
}

LRESULT ButtonControl::StateBits() const {
    LRESULT bits = state_.checked ? BST_CHECKED : BST_UNCHECKED;
    if (state_.pushed) bits |= BST_PUSHED;
    if (state_.focused) bits |= BST_FOCUS;
    return bits;
}

void ButtonControl::MouseDown() {
    if (!state_.enabled) return;
    if (GetFocus() != window_) SetFocus(window_);
    SetCapture(window_);
    mouseHeld_ = true;
    SetPushed(true);
}

void ButtonControl::MouseMove(LPARAM point) {
    if (mouseHeld_) SetPushed(IsInside(point));
}

void ButtonControl::MouseUp(LPARAM point) {
    if (!mouseHeld_) return;
    mouseHeld_ = false;
    if (GetCapture() == window_) ReleaseCapture();
    const bool clicked = state_.pushed && IsInside(point);
    SetPushed(false);
    if (clicked) Click();
}

void ButtonControl::KeyDown(WPARAM key) {
    // A held Space repeats key-down messages; only the first one presses.
    if (key != VK_SPACE || spaceHeld_ || mouseHeld_ || !state_.enabled) return;
    spaceHeld_ = true;
    SetPushed(true);
}

void ButtonControl::KeyUp(WPARAM key) {
    if (key != VK_SPACE || !spaceHeld_) return;
    spaceHeld_ = false;
    const bool clicked = state_.pushed;
    SetPushed(false);
    if (clicked) Click();
}

void ButtonControl::Character(WPARAM character) {
    if (kind_ != ButtonKind::AutoCheckBox || !state_.enabled) return;
    bool wanted = state_.checked;
    if (character == L'+' || character == L'=') wanted = true;
    if (character == L'-') wanted = false;
    if (wanted == state_.checked) return;
    SetChecked(wanted);
    NotifyParent(window_, BN_CLICKED);
}

void ButtonControl::FocusChanged(bool focused) {
    state_.focused = focused;
    if (!focused) CancelPress();
    ShowChange(ODA_FOCUS);
}

void ButtonControl::CancelPress() {
    spaceHeld_ = false;
    if (mouseHeld_) {
        mouseHeld_ = false;
        if (GetCapture() == window_) ReleaseCapture();
    }
    SetPushed(false);
}

void ButtonControl::SetPushed(bool pushed) {
    if (state_.pushed == pushed) return;
    state_.pushed = pushed;
    ShowChange(ODA_SELECT);
}

void ButtonControl::SetChecked(bool checked) {
    if (state_.checked == checked) return;
    state_.checked = checked;
    ShowChange(ODA_DRAWENTIRE);
}

void ButtonControl::Click() {
    if (kind_ == ButtonKind::AutoCheckBox) SetChecked(!state_.checked);
    // The parent may destroy the button in its handler, so nothing follows this.
    NotifyParent(window_, BN_CLICKED);
}

bool ButtonControl::IsInside(LPARAM point) const {
    RECT client;
    GetClientRect(window_, &client);
    const int x = GET_X_LPARAM(point);
    const int y = GET_Y_LPARAM(point);
    return x >= client.left && x < client.right && y >= client.top && y < client.bottom;
}

// An owner-drawn button tells its parent at once what changed (the action code is part of
// what the parent hears). A button this layer draws itself is only marked for painting:
// a click changes its look several times (focus, pushed, released, checked) before anything
// reaches the screen, and only the last look would ever be seen.
void ButtonControl::ShowChange(UINT action) {
    if (!IsWindowVisible(window_)) return;
    if (kind_ != ButtonKind::OwnerDraw) {
        InvalidateRect(window_, nullptr, FALSE);
        return;
    }
    const WindowDc dc(window_);
    ButtonPainter(window_, dc.Dc()).Draw(kind_, state_, action);
}

void ButtonControl::Paint() {
    const PaintScope paint(window_);
    ButtonPainter(window_, paint.Dc()).Draw(kind_, state_, ODA_DRAWENTIRE);
}

}  // namespace keldra::platform::user::controls
