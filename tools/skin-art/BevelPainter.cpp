#include "BevelPainter.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "Palette.h"
#include "ShapePainter.h"

namespace keldra::skinart {

namespace {

// Light falls from the upper left, mostly from above.
const Vec2 kToLight = Vec2{-0.55, -0.83}.Normalised();

}  // namespace

Colour BevelPainter::MetalAt(double t, double facing, const Bevel& bevel, double widthPx) {
    // The outer slope of a raised rim faces away from the middle; an inset rim is the
    // same profile turned over.
    double slope = std::cos(t * std::numbers::pi);
    if (bevel.relief == Relief::kInset) slope = -slope;
    const double shade = std::clamp(slope * facing * 1.7, -1.0, 1.0);
    Colour c = palette::kMetal * bevel.brightness;
    c = shade > 0 ? c.Mixed(palette::kMetalLight, shade * 0.95)
                  : c.Mixed(palette::kMetalShadow, -shade * 0.9);
    // A crisp dark line on both edges keeps the rim readable against dark stone.
    const double edgePx = std::min(t, 1 - t) * widthPx;
    if (edgePx < 0.75) c = c.Mixed(palette::kMetalEdge, 0.75 - edgePx);
    return c;
}

void BevelPainter::Paint(const RoundedBox& box, const Bevel& bevel) const {
    const DistanceField rim = [&box, &bevel](Vec2 p) {
        const double d = box.Distance(p);
        return std::max(d, -(d + bevel.width));
    };
    const PaintFunction metal = [&box, &bevel](Vec2 p, double) {
        const double t = std::clamp(-box.Distance(p) / bevel.width, 0.0, 1.0);
        const double facing = box.OutwardNormal(p).Dot(kToLight);
        return MetalAt(t, facing, bevel, bevel.width);
    };
    ShapePainter(canvas_).Fill({0, 0, canvas_.Width(), canvas_.Height()}, rim, metal);
}

}  // namespace keldra::skinart
