// The command button (Back, OK, Cancel): a bronze-rimmed leather plate, lighter when
// hovered and sunk in when pressed. The corners outside the rounded rim show the stone
// the button sits on.
#pragma once

#include "ButtonState.h"
#include "Canvas.h"
#include "StoneTexture.h"

namespace keldra::skinart {

class ButtonArt {
  public:
    static constexpr int kWidth = 81;
    static constexpr int kHeight = 31;

    ButtonArt(const StoneTexture& stone, ButtonState state) : stone_(stone), state_(state) {}

    Canvas Paint() const;

  private:
    const StoneTexture& stone_;
    ButtonState state_;
};

}  // namespace keldra::skinart
