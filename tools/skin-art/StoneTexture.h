// The dark, faintly veined stone that the whole window is cut from, shaded a little
// darker towards the window's edges. Colours are a function of the position in
// main-window coordinates, so a page or button drawn at its place in the window
// continues the stone around it without a seam.
#pragma once

#include "Colour.h"
#include "ValueNoise.h"
#include "Vec2.h"

namespace keldra::skinart {

class StoneTexture {
  public:
    StoneTexture();

    Colour At(Vec2 windowPosition) const;

  private:
    static double Vignette(Vec2 p);

    ValueNoise clouds_;
    ValueNoise veins_;
    ValueNoise grain_;
};

}  // namespace keldra::skinart
