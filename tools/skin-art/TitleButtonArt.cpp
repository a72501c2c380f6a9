#include "TitleButtonArt.h"

#include <algorithm>
#include <vector>

#include "BevelPainter.h"
#include "ButtonFace.h"
#include "Palette.h"
#include "ShapePainter.h"
#include "Stroke.h"

namespace keldra::skinart {

namespace {

constexpr Vec2 kMinimisePlace{390, 10};
constexpr Vec2 kClosePlace{418, 10};
constexpr double kRim = 2;

}  // namespace

void TitleButtonArt::PaintSymbol(Canvas& canvas) const {
    const bool pressed = state_ == ButtonState::kPressed;
    const Vec2 shift = pressed ? Vec2{1, 1} : Vec2{0, 0};
    std::vector<Stroke> strokes;
    if (symbol_ == TitleSymbol::kMinimise) {
        strokes.push_back({Vec2{8.5, 13.5} + shift, Vec2{17.5, 13.5} + shift, 2.6});
    } else {
        strokes.push_back({Vec2{9, 6} + shift, Vec2{17, 14} + shift, 2.4});
        strokes.push_back({Vec2{17, 6} + shift, Vec2{9, 14} + shift, 2.4});
    }
    const auto distance = [&strokes](Vec2 p) {
        double d = 1e9;
        for (const Stroke& s : strokes) d = std::min(d, s.Distance(p));
        return d;
    };
    const Colour ink = state_ == ButtonState::kHover ? Colour{255, 244, 214}
                       : pressed                     ? Colour{196, 160, 100}
                                                     : Colour{232, 200, 136};
    const ShapePainter painter(canvas);
    const PixelRect all{0, 0, kWidth, kHeight};
    painter.Fill(
        all,
        [&distance](Vec2 p) {
            return distance(p - Vec2{0.8, 1}) - 0.6;
        },
        Colour{0, 0, 0}, 0.7);
    painter.Fill(all, distance, ink);
}

Canvas TitleButtonArt::Paint() const {
    Canvas canvas(kWidth, kHeight);
    const Vec2 place = symbol_ == TitleSymbol::kMinimise ? kMinimisePlace : kClosePlace;
    for (int y = 0; y < kHeight; ++y) {
        for (int x = 0; x < kWidth; ++x)
            canvas.Set(x, y, stone_.At(Vec2::PixelCentre(x, y) + place));
    }
    const RoundedBox outline(0, 0, kWidth, kHeight, 4);
    ShapePainter(canvas).Fill(
        {0, 0, kWidth, kHeight}, [&outline](Vec2 p) { return outline.Distance(p); },
        palette::kMetalEdge);
    ButtonFace(state_, kRim, kHeight - kRim).Paint(canvas, outline.Shrunk(kRim));
    const bool pressed = state_ == ButtonState::kPressed;
    BevelPainter(canvas).Paint(outline,
                               {kRim, pressed ? Relief::kInset : Relief::kRaised,
                                state_ == ButtonState::kHover ? 1.25 : (pressed ? 0.8 : 1.0)});
    PaintSymbol(canvas);
    return canvas;
}

}  // namespace keldra::skinart
