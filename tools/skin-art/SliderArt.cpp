#include "SliderArt.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "BevelPainter.h"
#include "Palette.h"
#include "RoundedBox.h"
#include "ShapePainter.h"
#include "ValueNoise.h"

namespace keldra::skinart {

namespace {

// Superellipse |dx / a|^n + |dy / b|^n <= 1 around (8, 12), tested at pixel centres:
// these numbers leave exactly 326 pixels inside and 99 outside.
constexpr Vec2 kThumbCentre{8.0, 12.0};
constexpr double kThumbA = 7.7;
constexpr double kThumbB = 12.55;
constexpr double kThumbPower = 2.3;

double ThumbLevel(Vec2 p) {
    return std::pow(std::abs((p.x - kThumbCentre.x) / kThumbA), kThumbPower) +
           std::pow(std::abs((p.y - kThumbCentre.y) / kThumbB), kThumbPower);
}

}  // namespace

bool SliderArt::InsideThumb(int x, int y) {
    return ThumbLevel(Vec2::PixelCentre(x, y)) <= 1;
}

Canvas SliderArt::PaintChannel() {
    Canvas canvas(kChannelWidth, kChannelHeight, palette::kPanel);
    const ValueNoise grain(0x43484eU);
    for (int y = 0; y < kChannelHeight; ++y) {
        for (int x = 0; x < kChannelWidth; ++x) {
            canvas.Set(x, y,
                       palette::kPanel * (1 + (grain.At(Vec2{x * 0.7, y * 0.7}) - 0.5) * 0.1));
        }
    }
    const RoundedBox groove(4, 9, kChannelWidth - 5.0, 16, 3.5);
    ShapePainter(canvas).Fill(
        {0, 0, kChannelWidth, kChannelHeight}, [&groove](Vec2 p) { return groove.Distance(p); },
        [](Vec2 p, double) {
            // Deeper at the top, where the rim's shadow falls.
            const double t = std::clamp((p.y - 9) / 7, 0.0, 1.0);
            return Colour{6, 5, 4}.Mixed({30, 22, 16}, t);
        });
    BevelPainter(canvas).Paint(groove.Shrunk(-2), {2, Relief::kInset, 0.8});
    return canvas;
}

Colour SliderArt::GemAt(Vec2 p) {
    const Vec2 d = p - Vec2{8.0, 11.5};
    // Eight facets around a flat table; light from the upper left.
    const double angle = std::atan2(d.y, d.x);
    const int facet = int(std::floor((angle + std::numbers::pi) / (std::numbers::pi / 4))) % 8;
    const double facetMid = -std::numbers::pi + (facet + 0.5) * std::numbers::pi / 4;
    const double lit = -(std::cos(facetMid) * 0.55 + std::sin(facetMid) * 0.83);
    const double radius = std::hypot(d.x / 5.0, d.y / 9.0);
    Colour c = radius < 0.45 ? palette::kRuby * 1.1
                             : palette::kRuby.Mixed(palette::kRubyDeep, 0.5 - lit * 0.5);
    const double glint = std::max(0.0, 1 - (p - Vec2{5.6, 6.2}).Length() / 2.2);
    return c.Mixed(palette::kRubyGlint, glint * 0.9);
}

Canvas SliderArt::PaintThumb() {
    Canvas canvas(kThumbWidth, kThumbHeight, palette::kMetalEdge);
    const auto mount = [](Vec2 p) { return (ThumbLevel(p) - 1) * 6; };
    const PixelRect all{0, 0, kThumbWidth, kThumbHeight};
    // Bronze mount: lit where its surface faces the upper left.
    ShapePainter(canvas).Fill(
        all, [&mount](Vec2 p) { return mount(p) + 0.6; },
        [&mount](Vec2 p, double) {
            constexpr double h = 0.25;
            const Vec2 n = Vec2{mount(p + Vec2{h, 0}) - mount(p - Vec2{h, 0}),
                                mount(p + Vec2{0, h}) - mount(p - Vec2{0, h})}
                               .Normalised();
            const double facing = n.Dot(Vec2{-0.55, -0.83}.Normalised());
            return BevelPainter::MetalAt(0.25, facing, {3, Relief::kRaised, 1.05}, 3);
        });
    const RoundedBox stone(3.2, 3.5, 12.8, 20.5, 4.6);
    ShapePainter(canvas).Fill(
        all, [&stone](Vec2 p) { return stone.Distance(p) - 0.7; }, palette::kMetalEdge);
    ShapePainter(canvas).Fill(
        all, [&stone](Vec2 p) { return stone.Distance(p); },
        [](Vec2 p, double) { return GemAt(p); });
    canvas.KeepClearOf(palette::kGreenKey, 40);
    for (int y = 0; y < kThumbHeight; ++y) {
        for (int x = 0; x < kThumbWidth; ++x) {
            if (!InsideThumb(x, y)) canvas.Set(x, y, palette::kGreenKey);
        }
    }
    return canvas;
}

}  // namespace keldra::skinart
