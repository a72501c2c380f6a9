#include "platform/user/dialog/DialogManager.h"

#include "platform/user/User.h"
#include "platform/user/dialog/DialogNavigator.h"

namespace keldra::platform::user {

bool DialogManager::Handle(HWND dialog, MSG& message) {
    if (!IsWindow(dialog)) return false;
    if (message.hwnd != dialog && !IsChild(dialog, message.hwnd)) return false;
    if (message.message == WM_KEYDOWN || message.message == WM_CHAR) {
        const LRESULT code = SendMessageW(message.hwnd, WM_GETDLGCODE, message.wParam,
                                          reinterpret_cast<LPARAM>(&message));
        const bool handled = message.message == WM_KEYDOWN ? HandleKey(dialog, message, code)
                                                           : HandleChar(message, code);
        if (handled) return true;
    }
    TranslateMessage(&message);
    DispatchMessageW(&message);
    return true;
}

bool DialogManager::HandleKey(HWND dialog, const MSG& message, LRESULT code) {
    if (code & DLGC_WANTALLKEYS) return false;
    const HWND focus = GetFocus();
    const bool shift = GetKeyState(VK_SHIFT) < 0;
    switch (message.wParam) {
        case VK_TAB:
            if (code & DLGC_WANTTAB) return false;
            if (HWND next = DialogNavigator::NextTabItem(dialog, focus, shift)) SetFocus(next);
            return true;
        case VK_LEFT:
        case VK_UP:
        case VK_RIGHT:
        case VK_DOWN: {
            if (code & DLGC_WANTARROWS) return false;
            const bool backwards = message.wParam == VK_LEFT || message.wParam == VK_UP;
            if (HWND next = DialogNavigator::NextGroupItem(dialog, focus, backwards))
                SetFocus(next);
            return true;
        }
        case VK_RETURN:
            SendEnter(focus, code, DialogOfFocus(dialog, focus));
            return true;
        case VK_ESCAPE:
            SendCommand(DialogOfFocus(dialog, focus), IDCANCEL);
            return true;
        default:
            return false;
    }
}

// The characters of the keys the dialog manager has taken are swallowed too.
bool DialogManager::HandleChar(const MSG& message, LRESULT code) {
    switch (message.wParam) {
        case L'\t':
            return (code & (DLGC_WANTTAB | DLGC_WANTALLKEYS)) == 0;
        case L'\r':
        case 0x1B:
            return (code & DLGC_WANTALLKEYS) == 0;
        default:
            return false;
    }
}

void DialogManager::SendEnter(HWND focus, LRESULT code, HWND dialog) {
    if ((code & (DLGC_DEFPUSHBUTTON | DLGC_UNDEFPUSHBUTTON)) && IsWindowEnabled(focus)) {
        SendCommand(dialog, GetDlgCtrlID(focus));
        return;
    }
    const LRESULT answer = SendMessageW(dialog, DM_GETDEFID, 0, 0);
    SendCommand(dialog, HIWORD(answer) == DC_HASDEFID ? LOWORD(answer) : IDOK);
}

void DialogManager::SendCommand(HWND dialog, int id) {
    SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(dialog, id)));
}

HWND DialogManager::DialogOfFocus(HWND dialog, HWND focus) {
    if (focus == nullptr || focus == dialog || !IsChild(dialog, focus)) return dialog;
    return GetParent(focus);
}

}  // namespace keldra::platform::user
