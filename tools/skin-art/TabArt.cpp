#include "TabArt.h"

#include "BevelPainter.h"
#include "ButtonFace.h"
#include "Palette.h"
#include "ShapePainter.h"
#include "Stroke.h"

namespace keldra::skinart {

namespace {

// The first tab's place in the main window: its corners show this stone.
constexpr Vec2 kPlaceInWindow{30, 60};
constexpr double kRim = 3;
// The box runs past the bottom edge so that only the top corners are rounded.
constexpr double kRunOut = 12;

}  // namespace

Canvas TabArt::Paint() const {
    const int height = Height();
    Canvas canvas(kWidth, height);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < kWidth; ++x)
            canvas.Set(x, y, stone_.At(Vec2::PixelCentre(x, y) + kPlaceInWindow));
    }
    const RoundedBox outline(0, 0, kWidth, height + kRunOut, 7);
    ShapePainter(canvas).Fill(
        {0, 0, kWidth, height}, [&outline](Vec2 p) { return outline.Distance(p); },
        palette::kMetalEdge);
    ButtonFace(state_, kRim, height).Paint(canvas, outline.Shrunk(kRim));
    const bool pressed = state_ == ButtonState::kPressed;
    const Bevel bevel{kRim, pressed ? Relief::kInset : Relief::kRaised,
                      state_ == ButtonState::kHover ? 1.22 : (pressed ? 0.85 : 1.0)};
    BevelPainter(canvas).Paint(outline, bevel);
    if (pressed) {
        // A thin gold thread under the rim marks the open page's tab.
        const Stroke thread{{9, 5.5}, {kWidth - 9.0, 5.5}, 1.0};
        ShapePainter(canvas).Fill(
            {0, 0, kWidth, height}, [&thread](Vec2 p) { return thread.Distance(p); },
            palette::kMetal * 0.85, 0.7);
    }
    return canvas;
}

}  // namespace keldra::skinart
