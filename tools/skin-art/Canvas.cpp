#include "Canvas.h"

#include <cmath>
#include <cstdlib>

namespace keldra::skinart {

Canvas::Canvas(int width, int height, Colour fill, double alpha)
    : width_(width),
      height_(height),
      colours_(std::size_t(width) * std::size_t(height), fill),
      alphas_(std::size_t(width) * std::size_t(height), alpha) {}

void Canvas::Blend(int x, int y, Colour colour, double opacity) {
    if (!InBounds(x, y) || opacity <= 0) return;
    opacity = std::min(opacity, 1.0);
    const std::size_t i = Index(x, y);
    const double below = alphas_[i] * (1 - opacity);
    const double out = opacity + below;
    colours_[i] = out > 0 ? (colour * opacity + colours_[i] * below) * (1 / out) : colour;
    alphas_[i] = out;
}

void Canvas::KeepClearOf(Colour key, int margin) {
    const auto near = [margin](double a, double b) {
        return std::abs(int(Colour::ToByte(a)) - int(Colour::ToByte(b))) <= margin;
    };
    for (Colour& c : colours_) {
        while (near(c.r, key.r) && near(c.g, key.g) && near(c.b, key.b)) {
            // Step towards mid grey: keeps roughly the hue, loses the match.
            c = c.Mixed({128, 128, 128}, 0.1);
        }
    }
}

}  // namespace keldra::skinart
