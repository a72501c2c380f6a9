#include "platform/user/controls/ComboBoxControl.h"

#include <algorithm>
#include <cwchar>

#include "platform/user/UserMetrics.h"
#include "platform/user/controls/ClassicColours.h"
#include "platform/user/controls/ComboListWindow.h"
#include "platform/user/controls/ControlInstance.h"
#include "platform/user/controls/ControlPainter.h"
#include "platform/user/controls/ControlText.h"
#include "platform/user/controls/ObjectSelection.h"
#include "platform/user/controls/PaintScope.h"

namespace keldra::platform::user::controls {

namespace {

constexpr int kListFrame = 2;

bool AltHeld() {
    return GetKeyState(VK_MENU) < 0;
}

}  // namespace

ComboBoxControl::ComboBoxControl(HWND window, const CREATESTRUCTW& create)
    : window_(window), droppedHeight_(create.cy) {}

LRESULT ComboBoxControl::Handle(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_CREATE:
            Create();
            return 0;
        case WM_DESTROY:
            Destroy();
            return 0;
        case WM_PAINT: {
            const PaintScope paint(window_);
            Paint(paint.Dc());
            return 0;
        }
        case WM_ERASEBKGND:
            return 1;
        case WM_GETDLGCODE:
            return DialogCode(lParam);
        case WM_LBUTTONDOWN:
            MouseDown();
            return 0;
        case WM_KEYDOWN:
            KeyDown(wParam, AltHeld());
            return 0;
        case WM_SYSKEYDOWN:
            if (wParam != VK_DOWN && wParam != VK_UP)
                return DefWindowProcW(window_, message, wParam, lParam);
            KeyDown(wParam, true);
            return 0;
        case WM_CHAR:
            Character(wParam);
            return 0;
        case WM_SETFOCUS:
        case WM_KILLFOCUS:
            FocusChanged(message == WM_SETFOCUS);
            return 0;
        case WM_ENABLE:
            if (wParam == 0 && dropped_) Close(false);
            InvalidateRect(window_, nullptr, TRUE);
            return 0;
        case WM_GETTEXT:
            return CopySelectionText(wParam, reinterpret_cast<LPWSTR>(lParam));
        case WM_GETTEXTLENGTH:
            return static_cast<LRESULT>(items_.SelectedText().size());
        default:
            return ListMessage(message, wParam, lParam);
    }
}

LRESULT ComboBoxControl::ListMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case CB_ADDSTRING:
            return AddString(-1, reinterpret_cast<LPCWSTR>(lParam));
        case CB_INSERTSTRING:
            return AddString(static_cast<int>(wParam), reinterpret_cast<LPCWSTR>(lParam));
        case CB_DELETESTRING:
            return DeleteString(wParam);
        case CB_RESETCONTENT:
            Close(false);
            items_.Clear();
            InvalidateRect(window_, nullptr, TRUE);
            return 0;
        case CB_GETCOUNT:
            return items_.Count();
        case CB_GETCURSEL:
            return items_.Selection() >= 0 ? items_.Selection() : CB_ERR;
        case CB_SETCURSEL:
            return SetCurSel(wParam);
        case CB_GETLBTEXT:
            return GetItemText(wParam, reinterpret_cast<LPWSTR>(lParam));
        case CB_GETLBTEXTLEN:
            return items_.IsValid(wParam) ? static_cast<LRESULT>(items_.All()[wParam].size())
                                          : CB_ERR;
        case CB_SHOWDROPDOWN:
            if (wParam != 0 && !dropped_) Open(false);
            if (wParam == 0 && dropped_) Close(false);
            return TRUE;
        case CB_GETDROPPEDSTATE:
            return dropped_ ? TRUE : FALSE;
        case CB_GETITEMHEIGHT:
            return ComboListWindow::kItemHeight;
        default:
            return DefWindowProcW(window_, message, wParam, lParam);
    }
}

LRESULT ComboBoxControl::AddString(int at, LPCWSTR text) {
    if (text == nullptr) return CB_ERR;
    const int index = items_.Insert(at, text);
    return index >= 0 ? index : CB_ERR;
}

LRESULT ComboBoxControl::DeleteString(WPARAM index) {
    if (!items_.IsValid(index)) return CB_ERR;
    Close(false);
    const int left = items_.Erase(index);
    InvalidateRect(window_, nullptr, TRUE);
    return left;
}

LRESULT ComboBoxControl::SetCurSel(WPARAM index) {
    // -1 or an index past the end clears the selection and answers CB_ERR.
    const int selection = items_.Select(index);
    InvalidateRect(window_, nullptr, TRUE);
    return selection >= 0 ? selection : CB_ERR;
}

LRESULT ComboBoxControl::GetItemText(WPARAM index, LPWSTR buffer) const {
    if (!items_.IsValid(index) || buffer == nullptr) return CB_ERR;
    const std::wstring& item = items_.All()[index];
    std::wmemcpy(buffer, item.c_str(), item.size() + 1);
    return static_cast<LRESULT>(item.size());
}

LRESULT ComboBoxControl::CopySelectionText(WPARAM size, LPWSTR buffer) const {
    if (buffer == nullptr || size == 0) return 0;
    const std::wstring& text = items_.SelectedText();
    const std::size_t count = std::min<std::size_t>(text.size(), size - 1);
    std::wmemcpy(buffer, text.c_str(), count);
    buffer[count] = L'\0';
    return static_cast<LRESULT>(count);
}

LRESULT ComboBoxControl::DialogCode(LPARAM message) const {
    LRESULT code = DLGC_WANTARROWS | DLGC_WANTCHARS;
    // While the list is open, Enter and Escape belong to it, not to the dialog.
    const auto* msg = reinterpret_cast<const MSG*>(message);
    if (dropped_ && msg != nullptr && msg->message == WM_KEYDOWN &&
        (msg->wParam == VK_RETURN || msg->wParam == VK_ESCAPE)) {
        code |= DLGC_WANTMESSAGE;
    }
    return code;
}

void ComboBoxControl::Create() {
    RECT rect;
    GetClientRect(window_, &rect);
    SetWindowPos(window_, nullptr, 0, 0, rect.right - rect.left, kClosedHeight,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    // A tool window above everything: it drops over the dialog without being a window of
    // its own on the desktop.
    list_ = CreateWindowExW(WS_EX_TOOLWINDOW | WS_EX_TOPMOST, WC_COMBOLBOXW, L"", WS_POPUP, 0, 0, 1,
                            1, window_, nullptr, nullptr, static_cast<ComboListOwner*>(this));
}

void ComboBoxControl::Destroy() {
    dropped_ = false;
    if (list_ != nullptr) DestroyWindow(list_);
    list_ = nullptr;
}

ComboListWindow* ComboBoxControl::List() const {
    if (list_ == nullptr || !IsWindow(list_)) return nullptr;
    return reinterpret_cast<ComboListWindow*>(GetWindowLongPtrW(list_, kInstanceSlot));
}

int ComboBoxControl::FittingLines() const {
    const int room = droppedHeight_ - kClosedHeight - kListFrame;
    const int fit = std::max(1, room / ComboListWindow::kItemHeight);
    return std::max(1, std::min(fit, items_.Count()));
}

void ComboBoxControl::PlaceList(int lines) const {
    RECT combo;
    GetWindowRect(window_, &combo);
    const int height = lines * ComboListWindow::kItemHeight + kListFrame;
    int top = combo.bottom;
    // Upward when the screen has no room below.
    if (top + height > GetSystemMetrics(SM_CYSCREEN) && combo.top - height >= 0)
        top = combo.top - height;
    SetWindowPos(list_, HWND_TOP, combo.left, top, combo.right - combo.left, height,
                 SWP_SHOWWINDOW | SWP_NOACTIVATE);
}

void ComboBoxControl::Open(bool byMousePress) {
    Notify(CBN_DROPDOWN);
    ComboListWindow* list = List();
    if (list == nullptr) return;
    dropped_ = true;
    const int lines = FittingLines();
    PlaceList(lines);
    list->Open(items_.Selection(), lines, byMousePress);
    InvalidateRect(window_, nullptr, TRUE);
}

void ComboBoxControl::Close(bool accept) {
    if (!dropped_) return;
    ComboListWindow* list = List();
    const int picked = list != nullptr ? list->Hot() : -1;
    if (accept && picked >= 0) {
        ListAccepted(picked);
    } else {
        ListCancelled();
    }
}

void ComboBoxControl::ListAccepted(int index) {
    if (!dropped_) return;
    dropped_ = false;
    const bool valid = index >= 0 && index < items_.Count();
    const bool changed = valid && index != items_.Selection();
    if (changed) items_.Select(static_cast<WPARAM>(index));
    Notify(CBN_SELENDOK);
    if (ComboListWindow* list = List()) list->Close();
    InvalidateRect(window_, nullptr, TRUE);
    Notify(CBN_CLOSEUP);
    if (changed) Notify(CBN_SELCHANGE);
}

void ComboBoxControl::ListCancelled() {
    if (!dropped_) return;
    dropped_ = false;
    Notify(CBN_SELENDCANCEL);
    if (ComboListWindow* list = List()) list->Close();
    InvalidateRect(window_, nullptr, TRUE);
    Notify(CBN_CLOSEUP);
}

void ComboBoxControl::MouseDown() {
    if (GetFocus() != window_) SetFocus(window_);
    // Taking the focus may have changed things (a parent handler), so ask again.
    if (!dropped_ && GetFocus() == window_) Open(true);
}

void ComboBoxControl::KeyDown(WPARAM key, bool alt) {
    const bool toggle = key == VK_F4 || ((key == VK_DOWN || key == VK_UP) && alt);
    if (toggle) {
        if (dropped_) {
            Close(true);
        } else {
            Open(false);
        }
        return;
    }
    if (dropped_) {
        if (key == VK_RETURN) Close(true);
        if (key == VK_ESCAPE) Close(false);
        ComboListWindow* list = List();
        const int target = list != nullptr ? items_.KeyTarget(key, list->Hot(), Page()) : -1;
        if (target >= 0) list->MoveHot(target);
        return;
    }
    const int target = items_.KeyTarget(key, items_.Selection(), Page());
    if (target >= 0) Select(target);
}

int ComboBoxControl::Page() const {
    // Page keys move by one line less than the open list shows.
    return std::max(1, FittingLines() - 1);
}

void ComboBoxControl::Character(WPARAM character) {
    if (character < L' ') return;  // Enter, Escape, Tab and the like are keys, not letters
    ComboListWindow* list = dropped_ ? List() : nullptr;
    const int from = list != nullptr ? list->Hot() : items_.Selection();
    const int target = items_.NextStartingWith(static_cast<wchar_t>(character), from);
    if (target < 0) return;
    if (list != nullptr) {
        list->MoveHot(target);
    } else {
        Select(target);
    }
}

void ComboBoxControl::Select(int index) {
    if (index == items_.Selection()) return;
    items_.Select(static_cast<WPARAM>(index));
    InvalidateRect(window_, nullptr, TRUE);
    Notify(CBN_SELCHANGE);
}

void ComboBoxControl::FocusChanged(bool focused) {
    focused_ = focused;
    if (!focused && dropped_) Close(false);
    InvalidateRect(window_, nullptr, TRUE);
    Notify(focused ? CBN_SETFOCUS : CBN_KILLFOCUS);
}

void ComboBoxControl::Notify(int code) const {
    NotifyParent(window_, code);
}

void ComboBoxControl::Paint(HDC dc) const {
    RECT client;
    GetClientRect(window_, &client);
    const ControlPainter painter(dc);
    const bool enabled = IsWindowEnabled(window_) != FALSE;
    painter.SunkenEdge(client);
    const RECT inside{client.left + 2, client.top + 2, client.right - 2, client.bottom - 2};
    painter.Fill(inside,
                 ParentBrush(window_, dc, enabled ? WM_CTLCOLORLISTBOX : WM_CTLCOLORSTATIC));
    const RECT button{inside.right - kButtonWidth, inside.top, inside.right, inside.bottom};
    painter.Fill(button, classic::Face());
    painter.RaisedEdge(button);
    painter.Arrow(button, ArrowDirection::Down, enabled ? classic::Text() : classic::kGrayText);
    PaintSelection(dc, RECT{inside.left + 1, inside.top + 1, button.left - 1, inside.bottom - 1},
                   enabled);
}

void ComboBoxControl::PaintSelection(HDC dc, const RECT& area, bool enabled) const {
    const ControlPainter painter(dc);
    // A focused closed list shows its item selected, as a list box row would.
    const bool highlighted = focused_ && !dropped_ && enabled;
    if (highlighted) painter.Fill(area, classic::kSelection);
    if (items_.Selection() >= 0) {
        const ObjectSelection font(dc, FontOf(window_));
        SetBkMode(dc, TRANSPARENT);
        const COLORREF normal = enabled ? classic::Text() : classic::kGrayText;
        SetTextColor(dc, highlighted ? classic::kSelectionText : normal);
        RECT text{area.left + 2, area.top, area.right, area.bottom};
        const std::wstring& label = items_.SelectedText();
        DrawTextW(dc, label.c_str(), static_cast<int>(label.size()), &text,
                  DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
    }
    if (focused_ && !dropped_) painter.FocusFrame(area);
}

}  // namespace keldra::platform::user::controls
