// Keyboard navigation among a dialog's controls: the tab ring (visible, enabled WS_TABSTOP
// controls in z-order, descending into WS_EX_CONTROLPARENT children such as child dialogs)
// and the arrow-key group (siblings from one WS_GROUP control up to the next).
#pragma once

#include <vector>

#include "platform/user/UserTypes.h"

namespace keldra::platform::user {

class DialogNavigator {
  public:
    static HWND NextTabItem(HWND dialog, HWND from, bool backwards);
    static HWND NextGroupItem(HWND dialog, HWND from, bool backwards);

  private:
    static void CollectTabStops(HWND container, std::vector<HWND>& ring);
    static std::vector<HWND> GroupOf(HWND control);
    static bool CanTakeFocus(HWND window);
};

}  // namespace keldra::platform::user
