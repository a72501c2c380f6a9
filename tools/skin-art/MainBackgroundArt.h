// The main window's background and outline: stone inside a bevelled bronze frame that
// follows the rounded outline, a title plaque bearing the game's name above the tabs,
// an empty page panel where the pages sit, and the magenta key pixels of the outline.
#pragma once

#include "Canvas.h"
#include "StoneTexture.h"

namespace keldra::skinart {

class MainBackgroundArt {
  public:
    explicit MainBackgroundArt(const StoneTexture& stone) : stone_(stone) {}

    Canvas Paint() const;

  private:
    void PaintTitle(Canvas& canvas) const;
    void PaintFrame(Canvas& canvas) const;
    static void PaintRule(Canvas& canvas, double fromX, double toX, double y);
    static void CutOutline(Canvas& canvas);

    const StoneTexture& stone_;
};

}  // namespace keldra::skinart
