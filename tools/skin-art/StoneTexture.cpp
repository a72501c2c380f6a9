#include "StoneTexture.h"

#include <algorithm>
#include <cmath>

#include "Palette.h"
#include "WindowOutline.h"

namespace keldra::skinart {

StoneTexture::StoneTexture() : clouds_(0x4b454cU), veins_(0x445241U), grain_(0x6b656cU) {}

double StoneTexture::Vignette(Vec2 p) {
    const double dx = p.x / WindowOutline::kWidth - 0.5;
    const double dy = p.y / WindowOutline::kHeight - 0.45;
    return 1.08 - 0.55 * (dx * dx + dy * dy);
}

Colour StoneTexture::At(Vec2 p) const {
    const double cloud = clouds_.Fractal(p * (1.0 / 70), 4) - 0.5;
    // Thin dark veins where a noise field crosses its middle value.
    const double field = veins_.Fractal(Vec2{p.x / 95, p.y / 60}, 5);
    const double vein = std::max(0.0, 1 - std::abs(field - 0.5) * 55);
    const double grain = grain_.At(p * 0.8) - 0.5;
    const Colour c = palette::kStone * ((1 + cloud * 0.5 + grain * 0.14) * Vignette(p));
    return c.Mixed(palette::kStoneVein, vein * 0.42);
}

}  // namespace keldra::skinart
