#include "MainBackgroundArt.h"

#include <algorithm>
#include <cmath>

#include "BevelPainter.h"
#include "PageBackgroundArt.h"
#include "Palette.h"
#include "RoundedBox.h"
#include "ShapePainter.h"
#include "Stroke.h"
#include "TitleLettering.h"
#include "WindowOutline.h"

namespace keldra::skinart {

namespace {

constexpr double kFrameWidth = 7;
const RoundedBox kOutline(WindowOutline::kBody.left, WindowOutline::kBody.top,
                          WindowOutline::kBody.right, WindowOutline::kBody.bottom, 7.5);
const RoundedBox kPlaque(136, 11, 320, 51, 8);
constexpr Vec2 kTitleCentre{228, 31.5};
constexpr double kCapHeight = 23;
constexpr int kLedgeY = 55;

}  // namespace

void MainBackgroundArt::PaintRule(Canvas& canvas, double fromX, double toX, double y) {
    const ShapePainter painter(canvas);
    const Stroke rule{{fromX, y}, {toX, y}, 1.6};
    const PixelRect all{0, 0, canvas.Width(), canvas.Height()};
    painter.Fill(
        all, [&rule](Vec2 p) { return rule.Distance(p) - 0.8; }, palette::kMetalEdge);
    painter.Fill(
        all, [&rule](Vec2 p) { return rule.Distance(p); }, palette::kMetal);
    const double outer = fromX < kTitleCentre.x ? fromX : toX;
    const auto diamond = [outer, y](Vec2 p) {
        return (std::abs(p.x - outer) + std::abs(p.y - y) - 4) / std::sqrt(2.0);
    };
    painter.Fill(
        all, [&diamond](Vec2 p) { return diamond(p) - 0.9; }, palette::kMetalEdge);
    painter.Fill(all, diamond, [outer, y](Vec2 p, double) {
        return p.x - outer + p.y - y < 0 ? palette::kMetalLight : palette::kMetal * 0.9;
    });
}

void MainBackgroundArt::PaintTitle(Canvas& canvas) const {
    const ShapePainter painter(canvas);
    const PixelRect all{0, 0, canvas.Width(), canvas.Height()};
    painter.Fill(
        all,
        [](Vec2 p) {
            return kPlaque.Distance(p - Vec2{1, 2}) - 1;
        },
        Colour{0, 0, 0}, 0.6);
    painter.Fill(
        all, [](Vec2 p) { return kPlaque.Distance(p); },
        [this](Vec2 p, double) { return stone_.At(p) * 0.55; });
    BevelPainter(canvas).Paint(kPlaque, {3, Relief::kRaised, 1.0});
    TitleLettering(kTitleCentre, kCapHeight).Paint(canvas);
    PaintRule(canvas, 76, 128, kTitleCentre.y);
    PaintRule(canvas, 328, 380, kTitleCentre.y);
    // An engraved ledge closes the title band above the tabs.
    for (int x = 12; x < canvas.Width() - 12; ++x) {
        const double fade = std::min(1.0, std::min(x - 12, canvas.Width() - 12 - x) / 40.0);
        canvas.Blend(x, kLedgeY, palette::kMetal * 0.62, 0.85 * fade);
        canvas.Blend(x, kLedgeY + 1, Colour{0, 0, 0}, 0.55 * fade);
    }
}

void MainBackgroundArt::PaintFrame(Canvas& canvas) const {
    // Dark metal under the frame's outer edge, so the corner pixels that stay in the
    // window never show stone outside the rim.
    ShapePainter(canvas).Fill(
        {0, 0, canvas.Width(), canvas.Height()},
        [](Vec2 p) {
            const double d = kOutline.Distance(p);
            return -(d + 1.5);
        },
        palette::kMetalEdge);
    BevelPainter(canvas).Paint(kOutline, {kFrameWidth, Relief::kRaised, 1.0});
}

void MainBackgroundArt::CutOutline(Canvas& canvas) {
    canvas.KeepClearOf(palette::kMagentaKey, 12);
    for (int y = 0; y < canvas.Height(); ++y) {
        for (int x = 0; x < canvas.Width(); ++x) {
            if (WindowOutline::IsKey(x, y)) canvas.Set(x, y, palette::kMagentaKey);
        }
    }
}

Canvas MainBackgroundArt::Paint() const {
    Canvas canvas(WindowOutline::kWidth, WindowOutline::kHeight);
    for (int y = 0; y < canvas.Height(); ++y) {
        for (int x = 0; x < canvas.Width(); ++x)
            canvas.Set(x, y, stone_.At(Vec2::PixelCentre(x, y)));
    }
    const Canvas page = PageBackgroundArt(stone_, {}).Paint();
    const int pageX = int(PageBackgroundArt::kPlaceInWindow.x);
    const int pageY = int(PageBackgroundArt::kPlaceInWindow.y);
    for (int y = 0; y < page.Height(); ++y) {
        for (int x = 0; x < page.Width(); ++x) canvas.Set(pageX + x, pageY + y, page.At(x, y));
    }
    PaintTitle(canvas);
    PaintFrame(canvas);
    CutOutline(canvas);
    return canvas;
}

}  // namespace keldra::skinart
