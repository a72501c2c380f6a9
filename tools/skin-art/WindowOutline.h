// The main window's outline as key-colour pixels of its background bitmap: a one-pixel
// edge at the top and left, a three-pixel edge at the bottom and right, and the pixels
// outside four rounded corners. What is left is a 452 x 649 body at (1, 1).
//
// A corner pixel is cut unless it lies wholly inside its corner's elliptic arc. The top
// corners use radii of 7 x 7.5 pixels (20 pixels cut each), the bottom ones 7.5 x 7.5
// (21 each): about seven pixels' rounding, and 4,502 key pixels in all.
#pragma once

#include "PixelRect.h"

namespace keldra::skinart {

class WindowOutline {
  public:
    static constexpr int kWidth = 456;
    static constexpr int kHeight = 653;
    static constexpr PixelRect kBody{1, 1, 453, 650};

    static bool IsKey(int x, int y);

  private:
    static bool OutsideArc(int cornerColumn, int cornerRow, double radiusX, double radiusY);
};

}  // namespace keldra::skinart
