#include "platform/user/controls/StandardControls.h"

#include "platform/user/controls/ButtonControl.h"
#include "platform/user/controls/ComboBoxControl.h"
#include "platform/user/controls/ComboListWindow.h"
#include "platform/user/controls/ControlInstance.h"
#include "platform/user/controls/StaticControl.h"
#include "platform/user/controls/TrackbarControl.h"

namespace keldra::platform::user::controls {

void RegisterStandardControlClasses() {
    RegisterControlClass<StaticControl>(WC_STATICW);
    RegisterControlClass<ButtonControl>(WC_BUTTONW);
    RegisterControlClass<ComboBoxControl>(WC_COMBOBOXW);
    RegisterControlClass<ComboListWindow>(WC_COMBOLBOXW);
    RegisterControlClass<TrackbarControl>(TRACKBAR_CLASSW);
}

}  // namespace keldra::platform::user::controls

BOOL InitCommonControlsEx(const INITCOMMONCONTROLSEX* init) {
    if (init == nullptr || init->dwSize != sizeof(INITCOMMONCONTROLSEX)) return FALSE;
    keldra::platform::user::controls::RegisterStandardControlClasses();
    return TRUE;
}
