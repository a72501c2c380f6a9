#include "platform/user/dialog/ModalLoop.h"

#include "platform/user/User.h"
#include "platform/user/dialog/DialogData.h"

namespace keldra::platform::user {

INT_PTR ModalLoop::Run(HWND dialog, HWND owner) {
    const bool disableOwner = owner != nullptr && IsWindowEnabled(owner);
    if (disableOwner) EnableWindow(owner, FALSE);
    if (!HasEnded(dialog)) ShowWindow(dialog, SW_SHOW);
    MSG message{};
    while (IsWindow(dialog) && !HasEnded(dialog)) {
        const BOOL got = GetMessageW(&message, nullptr, 0, 0);
        if (got == 0) {
            PostQuitMessage(static_cast<int>(message.wParam));
            break;
        }
        if (got == -1) break;
        if (!IsDialogMessageW(dialog, &message)) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
    }
    const INT_PTR result = HasEnded(dialog) ? GetWindowLongPtrW(dialog, DialogData::kResult) : -1;
    if (disableOwner) EnableWindow(owner, TRUE);
    DestroyWindow(dialog);
    // The owner takes the keyboard back, with the focus it had before the run.
    if (owner != nullptr) SetActiveWindow(owner);
    return result;
}

bool ModalLoop::End(HWND dialog, INT_PTR result) {
    if (!DialogData::IsDialog(dialog)) return false;
    SetWindowLongPtrW(dialog, DialogData::kResult, result);
    SetWindowLongPtrW(dialog, DialogData::kEnded, TRUE);
    return true;
}

bool ModalLoop::HasEnded(HWND dialog) {
    return GetWindowLongPtrW(dialog, DialogData::kEnded) != 0;
}

}  // namespace keldra::platform::user
