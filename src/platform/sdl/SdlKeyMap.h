// Keys of the desktop as the platform's virtual-key codes.
#pragma once

#include <SDL.h>

#include "platform/kernel/WinTypes.h"

namespace keldra::platform::host {

class SdlKeyMap {
  public:
    // The virtual-key code of a key, or 0 for a key the program has no use for. Letters and
    // digits are their upper-case characters; the modifiers map to VK_SHIFT, VK_CONTROL and
    // VK_MENU whichever side they are on.
    static UINT VirtualKeyOf(SDL_Keycode key);
};

}  // namespace keldra::platform::host
