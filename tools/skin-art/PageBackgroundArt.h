// A settings page's background: the window's stone around a darker panel sunk into it,
// with a gold rule and a small diamond at each group heading. Drawn as the page appears
// at its place in the main window, so its edges continue the stone around it.
#pragma once

#include <utility>
#include <vector>

#include "Canvas.h"
#include "PixelRect.h"
#include "StoneTexture.h"

namespace keldra::skinart {

class PageBackgroundArt {
  public:
    static constexpr int kWidth = 420;
    static constexpr int kHeight = 520;
    static constexpr Vec2 kPlaceInWindow{15, 86};

    // headings: the group headings' rectangles in page pixels.
    PageBackgroundArt(const StoneTexture& stone, std::vector<PixelRect> headings)
        : stone_(stone), headings_(std::move(headings)) {}

    Canvas Paint() const;

  private:
    void PaintPanel(Canvas& canvas) const;
    void PaintHeading(Canvas& canvas, const PixelRect& heading) const;

    const StoneTexture& stone_;
    std::vector<PixelRect> headings_;
};

}  // namespace keldra::skinart
