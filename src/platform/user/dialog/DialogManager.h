// The keyboard handling of IsDialogMessage: Tab and Shift+Tab round the tab ring, arrows
// within a group, Enter as the default command and Escape as IDCANCEL, sent to the dialog
// that holds the focus, unless the focused control claims the key through WM_GETDLGCODE.
#pragma once

#include "platform/user/UserTypes.h"

namespace keldra::platform::user {

class DialogManager {
  public:
    static bool Handle(HWND dialog, MSG& message);

  private:
    static bool HandleKey(HWND dialog, const MSG& message, LRESULT code);
    static bool HandleChar(const MSG& message, LRESULT code);
    static void SendEnter(HWND focus, LRESULT code, HWND dialog);
    static void SendCommand(HWND dialog, int id);
    // The innermost dialog around the focus: the focused control's parent inside dialog.
    static HWND DialogOfFocus(HWND dialog, HWND focus);
};

}  // namespace keldra::platform::user
