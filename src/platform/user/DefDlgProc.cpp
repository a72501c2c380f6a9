// The dialog window class: its procedure hands each message to the dialog's DLGPROC first
// and does the dialog's default processing for what the DLGPROC leaves.
#include "platform/gdi/Gdi.h"
#include "platform/user/User.h"
#include "platform/user/controls/StandardControls.h"
#include "platform/user/dialog/DialogData.h"
#include "platform/user/windows/MessageKinds.h"
#include "platform/user/windows/UserState.h"
#include "platform/user/windows/WindowManager.h"

namespace keldra::platform::user {

namespace {

// Messages whose DLGPROC answer is the result itself rather than DWLP_MSGRESULT.
bool AnswersDirectly(UINT message) {
    if (keldra::platform::user::IsControlColourMessage(message)) return true;
    switch (message) {
        case WM_INITDIALOG:
        case WM_QUERYDRAGICON:
            return true;
        default:
            return false;
    }
}

void RestoreFocus(HWND dialog) {
    const auto saved = reinterpret_cast<HWND>(GetWindowLongPtrW(dialog, DialogData::kSavedFocus));
    if (saved != nullptr && IsChild(dialog, saved) && IsWindowVisible(saved) &&
        IsWindowEnabled(saved)) {
        SetFocus(saved);
        return;
    }
    if (const HWND first = GetNextDlgTabItem(dialog, nullptr, FALSE)) SetFocus(first);
}

LRESULT DialogDefault(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case DM_GETDEFID:
            return MAKELRESULT(GetWindowLongPtrW(dialog, DialogData::kDefaultId), DC_HASDEFID);
        case DM_SETDEFID:
            SetWindowLongPtrW(dialog, DialogData::kDefaultId, static_cast<LONG_PTR>(wParam));
            return TRUE;
        case WM_CLOSE:
            SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED),
                         reinterpret_cast<LPARAM>(GetDlgItem(dialog, IDCANCEL)));
            return 0;
        case WM_SETFOCUS:
            RestoreFocus(dialog);
            return 0;
        case WM_ACTIVATE:
            if (LOWORD(wParam) == WA_INACTIVE && IsChild(dialog, GetFocus())) {
                SetWindowLongPtrW(dialog, DialogData::kSavedFocus,
                                  reinterpret_cast<LONG_PTR>(GetFocus()));
            }
            return DefWindowProcW(dialog, message, wParam, lParam);
        case WM_NCDESTROY:
            if (auto font = GetWindowLongPtrW(dialog, DialogData::kFont)) {
                DeleteObject(reinterpret_cast<HGDIOBJ>(font));
            }
            return 0;
        default:
            return DefWindowProcW(dialog, message, wParam, lParam);
    }
}

}  // namespace

void DialogData::EnsureClass() {
    // Once per session: the classes end with it.
    if (CurrentWindows().Classes().Find(L"#32770") != nullptr) return;
    // Dialog layouts name the standard controls, which the platform always has.
    controls::RegisterStandardControlClasses();
    WNDCLASSW dialogClass{};
    dialogClass.lpfnWndProc = DefDlgProcW;
    dialogClass.cbWndExtra = kExtraBytes;
    dialogClass.hbrBackground =
        reinterpret_cast<HBRUSH>(static_cast<std::uintptr_t>(COLOR_BTNFACE + 1));
    dialogClass.lpszClassName = WC_DIALOG;
    RegisterClassW(&dialogClass);
}

bool DialogData::IsDialog(HWND window) {
    const Window* w = FindWindowOf(window);
    return w != nullptr && w->Class().procedure == DefDlgProcW;
}

}  // namespace keldra::platform::user

LRESULT DefDlgProcW(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    SetWindowLongPtrW(dialog, DWLP_MSGRESULT, 0);
    if (auto procedure = reinterpret_cast<DLGPROC>(GetWindowLongPtrW(dialog, DWLP_DLGPROC))) {
        const INT_PTR handled = procedure(dialog, message, wParam, lParam);
        if (!IsWindow(dialog)) return 0;
        if (handled) {
            return keldra::platform::user::AnswersDirectly(message)
                       ? handled
                       : GetWindowLongPtrW(dialog, DWLP_MSGRESULT);
        }
    }
    if (message == WM_INITDIALOG) return 0;
    return keldra::platform::user::DialogDefault(dialog, message, wParam, lParam);
}
