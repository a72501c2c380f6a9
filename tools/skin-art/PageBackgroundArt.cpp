#include "PageBackgroundArt.h"

#include <algorithm>
#include <cmath>

#include "BevelPainter.h"
#include "Palette.h"
#include "RoundedBox.h"
#include "ShapePainter.h"

namespace keldra::skinart {

namespace {

const RoundedBox kPanel(3, 3, PageBackgroundArt::kWidth - 3, PageBackgroundArt::kHeight - 3, 7);
constexpr double kRim = 3;
constexpr double kPanelDarkness = 0.58;
constexpr int kRuleEnd = PageBackgroundArt::kWidth - 16;

}  // namespace

void PageBackgroundArt::PaintPanel(Canvas& canvas) const {
    const RoundedBox inner = kPanel.Shrunk(kRim);
    ShapePainter(canvas).Fill(
        {0, 0, kWidth, kHeight}, [&inner](Vec2 p) { return inner.Distance(p); },
        [this, &inner](Vec2 p, double) {
            const Colour c = stone_.At(p + kPlaceInWindow) * kPanelDarkness;
            // The panel lies in the shadow of its top and left edges.
            const double depth = -inner.Distance(p);
            const Vec2 n = inner.OutwardNormal(p);
            const double fromTopLeft = std::max(0.0, -(n.x * 0.55 + n.y * 0.83));
            return c * (1 - 0.45 * fromTopLeft * std::max(0.0, 1 - depth / 7));
        });
    BevelPainter(canvas).Paint(kPanel, {kRim, Relief::kInset, 0.72});
}

void PageBackgroundArt::PaintHeading(Canvas& canvas, const PixelRect& heading) const {
    // An engraved rule under the heading that fades out towards the right.
    const int ruleY = heading.bottom + 2;
    const Colour gold = palette::kMetal * 0.62;
    for (int x = heading.left; x < kRuleEnd; ++x) {
        const double fade = std::sqrt(1 - double(x - heading.left) / (kRuleEnd - heading.left));
        canvas.Blend(x, ruleY, gold, 0.85 * fade);
        canvas.Blend(x, ruleY + 1, Colour{0, 0, 0}, 0.5 * fade);
    }
    const Vec2 centre{heading.left - 8.0, (heading.top + heading.bottom) / 2.0};
    const auto diamond = [centre](Vec2 p) {
        return (std::abs(p.x - centre.x) + std::abs(p.y - centre.y) - 3.2) / std::sqrt(2.0);
    };
    const ShapePainter painter(canvas);
    const PixelRect around =
        PixelRect{int(centre.x), int(centre.y), int(centre.x), int(centre.y)}.Inflated(6);
    painter.Fill(
        around, [&diamond](Vec2 p) { return diamond(p) - 0.9; }, palette::kMetalEdge);
    painter.Fill(around, diamond, [centre](Vec2 p, double) {
        return p.x + p.y < centre.x + centre.y ? palette::kMetalLight * 0.92 : palette::kMetal;
    });
}

Canvas PageBackgroundArt::Paint() const {
    Canvas canvas(kWidth, kHeight);
    for (int y = 0; y < kHeight; ++y) {
        for (int x = 0; x < kWidth; ++x)
            canvas.Set(x, y, stone_.At(Vec2::PixelCentre(x, y) + kPlaceInWindow));
    }
    PaintPanel(canvas);
    for (const PixelRect& heading : headings_) PaintHeading(canvas, heading);
    canvas.KeepClearOf(palette::kMagentaKey, 12);
    return canvas;
}

}  // namespace keldra::skinart
