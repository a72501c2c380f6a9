// Dialog units to pixels with the fixed base units of this platform: 6 x 13 pixels per 4 x 8
// dialog units, whatever font is found, so that layouts line up with the artwork.
#pragma once

#include "platform/gdi/raster/Geometry.h"
#include "platform/user/dialog/DialogTemplate.h"

namespace keldra::platform::user {

class DialogUnits {
  public:
    static constexpr int kBaseX = 6;
    static constexpr int kBaseY = 13;

    static int ToPixelsX(int units);
    static int ToPixelsY(int units);
    static gdi::Rect ToPixels(int x, int y, int cx, int cy);
};

}  // namespace keldra::platform::user
