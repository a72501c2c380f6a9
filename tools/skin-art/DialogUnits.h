// Dialog units to pixels with the program's fixed 6 x 13 base units: a horizontal unit
// is 1.5 px and a vertical unit 1.625 px, rounded half away from zero as the window
// layer does. Controls convert position and size separately.
#pragma once

#include "PixelRect.h"

namespace keldra::skinart {

struct DialogRect {
    int x;
    int y;
    int width;
    int height;
};

class DialogUnits {
  public:
    static int ToPixelsX(int units);
    static int ToPixelsY(int units);
    static PixelRect ToPixels(const DialogRect& rect);
};

}  // namespace keldra::skinart
