// Paints a bronze-gold rim along the inside of a rounded box: raised (lit from the top
// left on its outer slope) or inset (the same rim seen sunk into the surface). Frames,
// buttons, tabs, panels and the slider groove all wear it.
#pragma once

#include "Canvas.h"
#include "Colour.h"
#include "RoundedBox.h"

namespace keldra::skinart {

enum class Relief { kRaised, kInset };

struct Bevel {
    double width = 3;
    Relief relief = Relief::kRaised;
    double brightness = 1.0;  // above 1 for a glowing (hovered) rim
};

class BevelPainter {
  public:
    explicit BevelPainter(Canvas& canvas) : canvas_(canvas) {}

    void Paint(const RoundedBox& box, const Bevel& bevel) const;

    // Metal colour for a rim position: t from 0 (outer edge) to 1 (inner edge).
    static Colour MetalAt(double t, double facing, const Bevel& bevel, double widthPx);

  private:
    Canvas& canvas_;
};

}  // namespace keldra::skinart
