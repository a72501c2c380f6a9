// The slider's two images: the channel, a groove sunk into the page panel and drawn
// opaque, and the thumb, a ruby set in a bronze mount whose surroundings are the
// pure-green key colour (99 of its 425 pixels), drawn transparent over the channel.
#pragma once

#include "Canvas.h"
#include "Vec2.h"

namespace keldra::skinart {

class SliderArt {
  public:
    static constexpr int kChannelWidth = 163;
    static constexpr int kChannelHeight = 25;
    static constexpr int kThumbWidth = 17;
    static constexpr int kThumbHeight = 25;

    static Canvas PaintChannel();
    static Canvas PaintThumb();

    // The thumb's outline: a rounded gem, widest in the middle, with a small point at
    // the bottom that marks the value.
    static bool InsideThumb(int x, int y);

  private:
    static Colour GemAt(Vec2 p);
};

}  // namespace keldra::skinart
