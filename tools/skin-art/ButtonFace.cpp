#include "ButtonFace.h"

#include <algorithm>

#include "Palette.h"
#include "ShapePainter.h"
#include "ValueNoise.h"

namespace keldra::skinart {

Colour ButtonFace::At(Vec2 p, const RoundedBox& face) const {
    const double t = std::clamp((p.y - top_) / (bottom_ - top_), 0.0, 1.0);
    Colour c = palette::kLeatherTop.Mixed(palette::kLeatherBottom, t);
    // A soft sheen across the upper half of a raised face.
    const double sheen = std::max(0.0, 0.5 - t) * 0.35;
    static const ValueNoise grain(0x4c454154U);
    const double g = (grain.At(p * 0.9) - 0.5) * 0.12;
    switch (state_) {
        case ButtonState::kNormal:
            return c * (1 + sheen + g);
        case ButtonState::kHover:
            return c.Mixed({128, 94, 62}, 0.42) * (1 + sheen + g);
        case ButtonState::kPressed: {
            c = palette::kLeatherBottom.Mixed(palette::kLeatherTop, t * 0.5) * (0.72 + g);
            // The sunk face lies in the shadow of its own top and left rim.
            const double depth = -face.Distance(p);
            const Vec2 n = face.OutwardNormal(p);
            const double fromTopLeft = std::max(0.0, -(n.x * 0.55 + n.y * 0.83));
            return c * (1 - 0.5 * fromTopLeft * std::max(0.0, 1 - depth / 4));
        }
    }
    return c;
}

void ButtonFace::Paint(Canvas& canvas, const RoundedBox& face) const {
    ShapePainter(canvas).Fill(
        {0, 0, canvas.Width(), canvas.Height()}, [&face](Vec2 p) { return face.Distance(p); },
        [this, &face](Vec2 p, double) { return At(p, face); });
}

}  // namespace keldra::skinart
