#include "TitleLettering.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <numbers>

#include "Palette.h"
#include "ShapePainter.h"

namespace keldra::skinart {

namespace {

// Pen widths as fractions of the cap height.
constexpr double kThick = 0.15;
constexpr double kThin = 0.065;
constexpr double kSerif = 0.055;
constexpr double kSerifReach = 0.13;

using Glyph = std::vector<Stroke>;

Stroke Pen(double x0, double y0, double x1, double y1, double width) {
    return {{x0, y0}, {x1, y1}, width};
}

// Right half of an ellipse from top to bottom, thick at its widest and thin at its ends,
// the way a broad pen draws a bowl.
void AddBowl(Glyph& glyph, Vec2 centre, Vec2 radii) {
    constexpr int kSteps = 16;
    for (int i = 0; i < kSteps; ++i) {
        const double a0 = -std::numbers::pi / 2 + std::numbers::pi * i / kSteps;
        const double a1 = -std::numbers::pi / 2 + std::numbers::pi * (i + 1) / kSteps;
        const double weight = std::cos((a0 + a1) / 2);
        glyph.push_back({centre + Vec2{std::cos(a0) * radii.x, std::sin(a0) * radii.y},
                         centre + Vec2{std::cos(a1) * radii.x, std::sin(a1) * radii.y},
                         kThin + (kThick - kThin) * weight * weight});
    }
}

void AddStem(Glyph& glyph, bool serifTop, bool serifBottomRight) {
    glyph.push_back(Pen(0, 0, 0, 1, kThick));
    glyph.push_back(Pen(-kSerifReach, 0, serifTop ? kSerifReach : 0, 0, kSerif));
    glyph.push_back(Pen(-kSerifReach, 1, serifBottomRight ? kSerifReach : 0, 1, kSerif));
}

struct Letter {
    Glyph strokes;
    double advance;
};

std::vector<Letter> Word() {
    Letter k{{}, 0.86};
    AddStem(k.strokes, true, true);
    k.strokes.push_back(Pen(0.64, 0, 0.05, 0.57, kThin));
    k.strokes.push_back(Pen(0.24, 0.40, 0.68, 1, kThick));
    k.strokes.push_back(Pen(0.52, 0, 0.76, 0, kSerif));
    k.strokes.push_back(Pen(0.56, 1, 0.80, 1, kSerif));

    Letter e{{}, 0.74};
    AddStem(e.strokes, false, false);
    e.strokes.push_back(Pen(0, 0, 0.56, 0, kThin));
    e.strokes.push_back(Pen(0, 0.5, 0.42, 0.5, kThin));
    e.strokes.push_back(Pen(0, 1, 0.60, 1, kThin));
    e.strokes.push_back(Pen(0.57, 0, 0.58, 0.17, kSerif));
    e.strokes.push_back(Pen(0.42, 0.41, 0.42, 0.59, kSerif));
    e.strokes.push_back(Pen(0.61, 1, 0.62, 0.82, kSerif));

    Letter l{{}, 0.70};
    AddStem(l.strokes, true, false);
    l.strokes.push_back(Pen(0, 1, 0.56, 1, kThin));
    l.strokes.push_back(Pen(0.57, 1, 0.59, 0.80, kSerif));

    Letter d{{}, 0.92};
    AddStem(d.strokes, false, false);
    d.strokes.push_back(Pen(0, 0, 0.30, 0, kThin));
    d.strokes.push_back(Pen(0, 1, 0.30, 1, kThin));
    AddBowl(d.strokes, {0.30, 0.5}, {0.44, 0.5});

    Letter r{{}, 0.86};
    AddStem(r.strokes, false, true);
    r.strokes.push_back(Pen(0, 0, 0.30, 0, kThin));
    AddBowl(r.strokes, {0.30, 0.26}, {0.32, 0.26});
    r.strokes.push_back(Pen(0, 0.52, 0.30, 0.52, kThin));
    r.strokes.push_back(Pen(0.24, 0.52, 0.70, 1, kThick));
    r.strokes.push_back(Pen(0.60, 1, 0.84, 1, kSerif));

    Letter a{{}, 0.80};
    a.strokes.push_back(Pen(0.40, 0, 0.02, 1, kThin));
    a.strokes.push_back(Pen(0.40, 0, 0.78, 1, kThick));
    a.strokes.push_back(Pen(0.19, 0.64, 0.62, 0.64, kThin));
    a.strokes.push_back(Pen(0.33, 0, 0.46, 0, kSerif));
    a.strokes.push_back(Pen(-0.10, 1, 0.14, 1, kSerif));
    a.strokes.push_back(Pen(0.66, 1, 0.90, 1, kSerif));

    return {k, e, l, d, r, a};
}

}  // namespace

TitleLettering::TitleLettering(Vec2 centre, double capHeight) : capHeight_(capHeight) {
    double pen = 0;
    for (const Letter& letter : Word()) {
        for (const Stroke& s : letter.strokes) {
            strokes_.push_back({(s.from + Vec2{pen, 0}) * capHeight,
                                (s.to + Vec2{pen, 0}) * capHeight, s.width * capHeight});
        }
        pen += letter.advance + 0.12;
    }
    Place(centre);
}

void TitleLettering::Place(Vec2 centre) {
    double minX = std::numeric_limits<double>::max();
    double maxX = std::numeric_limits<double>::lowest();
    for (const Stroke& s : strokes_) {
        minX = std::min({minX, s.from.x - s.width / 2, s.to.x - s.width / 2});
        maxX = std::max({maxX, s.from.x + s.width / 2, s.to.x + s.width / 2});
    }
    const Vec2 shift{centre.x - (minX + maxX) / 2, centre.y - capHeight_ / 2};
    for (Stroke& s : strokes_) {
        s.from = s.from + shift;
        s.to = s.to + shift;
    }
    left_ = minX + shift.x;
    right_ = maxX + shift.x;
    top_ = shift.y;
}

double TitleLettering::Distance(Vec2 p) const {
    double d = std::numeric_limits<double>::max();
    for (const Stroke& s : strokes_) d = std::min(d, s.Distance(p));
    return d;
}

Colour TitleLettering::GoldAt(Vec2 p) const {
    const double t = std::clamp((p.y - top_) / capHeight_, 0.0, 1.0);
    const Colour top{255, 236, 168};
    const Colour middle{222, 168, 76};
    const Colour bottom{146, 94, 36};
    Colour c = t < 0.45 ? top.Mixed(middle, t / 0.45) : middle.Mixed(bottom, (t - 0.45) / 0.55);
    // Light catches the upper-left edges of each stroke.
    constexpr double h = 0.3;
    const Vec2 normal{Distance(p + Vec2{h, 0}) - Distance(p - Vec2{h, 0}),
                      Distance(p + Vec2{0, h}) - Distance(p - Vec2{0, h})};
    const double facing = normal.Normalised().Dot(Vec2{-0.55, -0.83}.Normalised());
    const double edge = std::clamp(1 + Distance(p), 0.0, 1.0);
    return facing > 0 ? c.Mixed({255, 250, 225}, facing * edge * 0.7)
                      : c.Mixed(palette::kMetalShadow, -facing * edge * 0.5);
}

void TitleLettering::Paint(Canvas& canvas) const {
    const PixelRect bounds{int(left_) - 4, int(top_) - 6, int(right_) + 6,
                           int(top_ + capHeight_) + 8};
    const ShapePainter painter(canvas);
    const Vec2 shadowOffset{1.5, 2.0};
    painter.Fill(
        bounds, [this, shadowOffset](Vec2 p) { return Distance(p - shadowOffset) - 1.4; },
        Colour{4, 3, 2}, 0.75);
    painter.Fill(
        bounds, [this](Vec2 p) { return Distance(p) - 1.0; }, palette::kMetalEdge);
    painter.Fill(
        bounds, [this](Vec2 p) { return Distance(p); },
        [this](Vec2 p, double) { return GoldAt(p); });
}

}  // namespace keldra::skinart
