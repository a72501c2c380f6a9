// What a host reports to the window layer: native input, the passing of time and requests
// the user makes through the host's own window decorations or task bar.
#pragma once

#include "platform/gdi/GdiTypes.h"
#include "platform/gdi/raster/Geometry.h"

namespace keldra::platform::host {

class HostEvents {
  public:
    virtual ~HostEvents() = default;

    virtual void PointerMoved(gdi::Point screen) = 0;
    virtual void LeftButton(gdi::Point screen, bool down) = 0;
    // vk is a virtual-key code; the modifier keys come as keys of their own (VK_SHIFT, ...).
    virtual void Key(UINT vk, bool down) = 0;
    virtual void ClockAdvanced() = 0;
    virtual void RestoreRequested(HWND window) = 0;
    // The desktop put the window's top-left corner at `screen` (the window manager, another
    // program, a change of screens or a restore did it): the window is already there.
    virtual void WindowMoved(HWND window, gdi::Point screen) = 0;
    virtual void CloseRequested(HWND window) = 0;
    // A host that runs outside a message loop (a test, a scripted run) has reported what it
    // had: hand every waiting message to its window and show the result.
    virtual void DeliverPending() = 0;
};

}  // namespace keldra::platform::host
