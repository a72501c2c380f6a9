// The two small title buttons at the top right: minimise (a bar) and close (an X),
// engraved in pale gold on a dark rimmed plate.
#pragma once

#include "ButtonState.h"
#include "Canvas.h"
#include "StoneTexture.h"

namespace keldra::skinart {

enum class TitleSymbol { kMinimise, kClose };

class TitleButtonArt {
  public:
    static constexpr int kWidth = 26;
    static constexpr int kHeight = 20;

    TitleButtonArt(const StoneTexture& stone, TitleSymbol symbol, ButtonState state)
        : stone_(stone), symbol_(symbol), state_(state) {}

    Canvas Paint() const;

  private:
    void PaintSymbol(Canvas& canvas) const;

    const StoneTexture& stone_;
    TitleSymbol symbol_;
    ButtonState state_;
};

}  // namespace keldra::skinart
