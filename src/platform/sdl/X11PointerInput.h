// The pointer as the X server reports it. SDL keeps its own idea of where the pointer is,
// and on a shaped window that idea goes stale: a button released over a cut-away part of
// the window leaves the pointer outside the window for the server, while SDL, which only
// knows the window's rectangle, still counts it as inside. When the pointer comes back,
// SDL drops the motion that brings it as "no change" and reports the next clicks where the
// button was released. The server's own events carry the pointer's place on the screen at
// the moment of each event, whatever SDL believes: its button presses and releases, its
// crossings, and its motion while a window holds the mouse. (Free motion reaches SDL
// through XInput2, which SDL does not hand on.)
#pragma once

#include <SDL.h>

#include <optional>

#include "platform/gdi/raster/Geometry.h"

namespace keldra::platform::host {

class X11PointerInput {
  public:
    struct Report {
        enum class Kind { Moved, LeftDown, LeftUp } kind;
        gdi::Point screen;  // screen pixels
    };

    // Asks SDL to hand on the X server's events as they come; false, and nothing asked,
    // where the video driver is not X11.
    static bool Start();
    // What one of those events says about the pointer; nothing for every other event.
    static std::optional<Report> Read(const SDL_SysWMmsg& message);
};

}  // namespace keldra::platform::host
