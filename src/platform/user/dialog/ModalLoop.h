// The modal run of a dialog: its owner disabled, messages pumped through the dialog manager
// until EndDialog, then the dialog destroyed and its result returned.
#pragma once

#include "platform/user/UserTypes.h"

namespace keldra::platform::user {

class ModalLoop {
  public:
    // -1 when the run could not finish (the dialog went away without EndDialog, or the host
    // can deliver no more input); a quit request met on the way is put back for the caller.
    static INT_PTR Run(HWND dialog, HWND owner);
    static bool End(HWND dialog, INT_PTR result);
    static bool HasEnded(HWND dialog);
};

}  // namespace keldra::platform::user
