// Cuts an X11 window to a window region with the X SHAPE extension, straight from the
// region's rectangles. This is exact and much cheaper than a per-pixel shape mask, which
// matters because the window is shaped before it first appears.
#pragma once

#include <SDL.h>

#include <optional>

#include "platform/gdi/raster/Region.h"

namespace keldra::platform::host {

class X11WindowShape {
  public:
    // True when `window` is an X11 window on a server with the SHAPE extension.
    static bool IsAvailable(SDL_Window* window);

    // Sets both the visible and the input shape of `window` (width x height window pixels,
    // each shown as scale x scale screen pixels) to the region; none means the whole
    // rectangle. False when the window cannot be shaped this way.
    static bool Apply(SDL_Window* window, int width, int height,
                      const std::optional<gdi::Region>& region, int scale);
};

}  // namespace keldra::platform::host
