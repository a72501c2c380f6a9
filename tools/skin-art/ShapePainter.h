// Paints shapes given as signed distance functions (negative inside, in pixels), with a
// one-pixel soft edge for anti-aliasing. The paint function sees each pixel's centre and
// its distance, so bevels and gradients can follow the shape.
#pragma once

#include <functional>

#include "Canvas.h"
#include "PixelRect.h"
#include "Vec2.h"

namespace keldra::skinart {

using DistanceField = std::function<double(Vec2)>;
using PaintFunction = std::function<Colour(Vec2 centre, double distance)>;

class ShapePainter {
  public:
    explicit ShapePainter(Canvas& canvas) : canvas_(canvas) {}

    void Fill(const PixelRect& bounds, const DistanceField& shape, const PaintFunction& paint,
              double opacity = 1.0) const;
    void Fill(const PixelRect& bounds, const DistanceField& shape, Colour colour,
              double opacity = 1.0) const;

    // How much of a pixel a shape covers, from the distance at its centre.
    static double Coverage(double distance);

  private:
    Canvas& canvas_;
};

}  // namespace keldra::skinart
