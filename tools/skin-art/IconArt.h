// The application icon: a gold-rimmed dark disc with the letter K, drawn at each of the
// icon's sizes (so small sizes get proportionally heavier strokes), transparent around.
#pragma once

#include "Canvas.h"

namespace keldra::skinart {

class IconArt {
  public:
    explicit IconArt(int size) : size_(size) {}

    Canvas Paint() const;

  private:
    int size_;
};

}  // namespace keldra::skinart
