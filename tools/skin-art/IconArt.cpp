#include "IconArt.h"

#include <algorithm>
#include <vector>

#include "Palette.h"
#include "ShapePainter.h"
#include "Stroke.h"

namespace keldra::skinart {

Canvas IconArt::Paint() const {
    const double s = size_;
    Canvas canvas(size_, size_, {}, 0.0);
    const ShapePainter painter(canvas);
    const PixelRect all{0, 0, size_, size_};
    const Vec2 centre{s / 2, s / 2};
    const double radius = s * 0.48;
    const double rim = std::max(1.4, s * 0.09);
    const auto disc = [centre](Vec2 p, double r) { return (p - centre).Length() - r; };

    painter.Fill(
        all, [&](Vec2 p) { return disc(p, radius); }, palette::kMetalEdge);
    painter.Fill(
        all, [&](Vec2 p) { return disc(p, radius - 0.6); },
        [&](Vec2 p, double) {
            const double facing = (p - centre).Normalised().Dot(Vec2{-0.55, -0.83}.Normalised());
            return facing > 0 ? palette::kMetal.Mixed(palette::kMetalLight, facing * 0.8)
                              : palette::kMetal.Mixed(palette::kMetalShadow, -facing * 0.7);
        });
    painter.Fill(
        all, [&](Vec2 p) { return disc(p, radius - rim); },
        [&](Vec2 p, double) {
            const double t = std::clamp(p.y / s, 0.0, 1.0);
            return Colour{62, 50, 44}.Mixed({20, 16, 15}, t);
        });

    const double weight = std::max(1.6, s * 0.11);
    const std::vector<Stroke> letter = {
        {Vec2{0.37, 0.27} * s, Vec2{0.37, 0.73} * s, weight * 1.15},
        {Vec2{0.66, 0.27} * s, Vec2{0.41, 0.53} * s, weight * 0.8},
        {Vec2{0.47, 0.45} * s, Vec2{0.68, 0.73} * s, weight},
    };
    const auto k = [&letter](Vec2 p) {
        double d = 1e9;
        for (const Stroke& stroke : letter) d = std::min(d, stroke.Distance(p));
        return d;
    };
    painter.Fill(
        all,
        [&](Vec2 p) {
            return k(p - Vec2{0.6, 0.8}) - 0.4;
        },
        Colour{0, 0, 0}, 0.6);
    painter.Fill(all, k, [s](Vec2 p, double) {
        return Colour{255, 232, 160}.Mixed({190, 130, 52},
                                           std::clamp((p.y / s - 0.25) * 2, 0.0, 1.0));
    });
    return canvas;
}

}  // namespace keldra::skinart
