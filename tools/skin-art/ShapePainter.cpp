#include "ShapePainter.h"

#include <algorithm>

namespace keldra::skinart {

double ShapePainter::Coverage(double distance) {
    return std::clamp(0.5 - distance, 0.0, 1.0);
}

void ShapePainter::Fill(const PixelRect& bounds, const DistanceField& shape,
                        const PaintFunction& paint, double opacity) const {
    const int top = std::max(bounds.top, 0);
    const int bottom = std::min(bounds.bottom, canvas_.Height());
    const int left = std::max(bounds.left, 0);
    const int right = std::min(bounds.right, canvas_.Width());
    for (int y = top; y < bottom; ++y) {
        for (int x = left; x < right; ++x) {
            const Vec2 centre = Vec2::PixelCentre(x, y);
            const double distance = shape(centre);
            const double coverage = Coverage(distance);
            if (coverage > 0) canvas_.Blend(x, y, paint(centre, distance), coverage * opacity);
        }
    }
}

void ShapePainter::Fill(const PixelRect& bounds, const DistanceField& shape, Colour colour,
                        double opacity) const {
    Fill(
        bounds, shape, [colour](Vec2, double) { return colour; }, opacity);
}

}  // namespace keldra::skinart
