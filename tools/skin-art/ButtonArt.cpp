#include "ButtonArt.h"

#include "BevelPainter.h"
#include "ButtonFace.h"
#include "Palette.h"
#include "ShapePainter.h"

namespace keldra::skinart {

namespace {

// Where the Back button sits in the main window: its corners show this stone.
constexpr Vec2 kPlaceInWindow{15, 610};
constexpr double kRim = 3;

}  // namespace

Canvas ButtonArt::Paint() const {
    Canvas canvas(kWidth, kHeight);
    for (int y = 0; y < kHeight; ++y) {
        for (int x = 0; x < kWidth; ++x)
            canvas.Set(x, y, stone_.At(Vec2::PixelCentre(x, y) + kPlaceInWindow));
    }
    const RoundedBox outline(0, 0, kWidth, kHeight, 5);
    ShapePainter(canvas).Fill(
        {0, 0, kWidth, kHeight}, [&outline](Vec2 p) { return outline.Distance(p); },
        palette::kMetalEdge);
    ButtonFace(state_, kRim, kHeight - kRim).Paint(canvas, outline.Shrunk(kRim));
    const Bevel bevel{
        kRim, state_ == ButtonState::kPressed ? Relief::kInset : Relief::kRaised,
        state_ == ButtonState::kHover ? 1.22 : (state_ == ButtonState::kPressed ? 0.8 : 1.0)};
    BevelPainter(canvas).Paint(outline, bevel);
    return canvas;
}

}  // namespace keldra::skinart
