// The standard control window classes ("Static", "Button", "ComboBox" with its "ComboLBox"
// list, "msctls_trackbar32") and the common-controls start-up call that registers them.
#pragma once

#include <windows.h>

struct INITCOMMONCONTROLSEX {
    DWORD dwSize;
    DWORD dwICC;
};
using LPINITCOMMONCONTROLSEX = INITCOMMONCONTROLSEX*;

// Registers every class the set-up asks for; all of them, whatever dwICC says, since
// they cost nothing until used. FALSE only for a missing or mis-sized structure.
BOOL InitCommonControlsEx(const INITCOMMONCONTROLSEX* init);

namespace keldra::platform::user::controls {

// Safe to call any number of times; the window layer calls it at start-up so that dialogs
// can create these classes without further set-up.
void RegisterStandardControlClasses();

}  // namespace keldra::platform::user::controls
