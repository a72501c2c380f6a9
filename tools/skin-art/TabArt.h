// A page tab: a bronze-rimmed leather tab with rounded top corners, open at the bottom
// towards the page. Hover lightens it; the pressed image, which also marks the active
// tab, is darker and sunk in, with one row more than the others.
#pragma once

#include "ButtonState.h"
#include "Canvas.h"
#include "StoneTexture.h"

namespace keldra::skinart {

class TabArt {
  public:
    static constexpr int kWidth = 100;
    static constexpr int kHeight = 25;
    static constexpr int kPressedHeight = 26;

    TabArt(const StoneTexture& stone, ButtonState state) : stone_(stone), state_(state) {}

    Canvas Paint() const;

  private:
    int Height() const { return state_ == ButtonState::kPressed ? kPressedHeight : kHeight; }

    const StoneTexture& stone_;
    ButtonState state_;
};

}  // namespace keldra::skinart
