// A rectangle with rounded corners as a distance field; edges are in pixel-edge
// coordinates, so RoundedBox(0, 0, 10, 10, r) covers pixels 0 to 9.
#pragma once

#include "Vec2.h"

namespace keldra::skinart {

class RoundedBox {
  public:
    RoundedBox(double left, double top, double right, double bottom, double radius);

    double Distance(Vec2 p) const;
    // Unit vector pointing out of the shape at the nearest edge: which way a bevel faces.
    Vec2 OutwardNormal(Vec2 p) const;
    RoundedBox Shrunk(double by) const;

  private:
    double left_, top_, right_, bottom_, radius_;
};

}  // namespace keldra::skinart
