// A window region as the shape surface that SDL cuts a shaped window with.
#pragma once

#include <SDL.h>

#include <memory>
#include <optional>

#include "platform/gdi/raster/Region.h"

namespace keldra::platform::host {

struct SdlSurfaceDeleter {
    void operator()(SDL_Surface* surface) const { SDL_FreeSurface(surface); }
};
using SdlSurfacePtr = std::unique_ptr<SDL_Surface, SdlSurfaceDeleter>;

class SdlShape {
  public:
    // A 32-bit surface of the window's size, opaque (alpha 255) inside the region and fully
    // transparent outside; without a region, opaque everywhere. nullptr if SDL fails.
    // Width, height and region are in window pixels; `scale` enlarges all of them.
    static SdlSurfacePtr Surface(int width, int height, const std::optional<gdi::Region>& region,
                                 int scale = 1);
};

}  // namespace keldra::platform::host
