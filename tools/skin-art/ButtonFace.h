// The leather face inside a button's rim, shared by command buttons, tabs and title
// buttons: a vertical gradient that is lighter when hovered, and darker with an inner
// shadow at the top left when pressed.
#pragma once

#include "ButtonState.h"
#include "Canvas.h"
#include "RoundedBox.h"

namespace keldra::skinart {

class ButtonFace {
  public:
    ButtonFace(ButtonState state, double top, double bottom)
        : state_(state), top_(top), bottom_(bottom) {}

    void Paint(Canvas& canvas, const RoundedBox& face) const;
    Colour At(Vec2 p, const RoundedBox& face) const;

  private:
    ButtonState state_;
    double top_;
    double bottom_;
};

}  // namespace keldra::skinart
