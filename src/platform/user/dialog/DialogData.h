// What the dialog window class keeps in each dialog's extra bytes, beside the documented
// DWLP_MSGRESULT, DWLP_DLGPROC and DWLP_USER slots.
#pragma once

#include "platform/user/UserTypes.h"

namespace keldra::platform::user {

class DialogData {
  public:
    static constexpr int kDefaultId = 24;
    static constexpr int kFont = 32;
    static constexpr int kResult = 40;
    static constexpr int kEnded = 48;
    static constexpr int kSavedFocus = 56;
    static constexpr int kExtraBytes = 64;

    // Registers the dialog window class (WC_DIALOG) once.
    static void EnsureClass();
    static bool IsDialog(HWND window);
};

}  // namespace keldra::platform::user
