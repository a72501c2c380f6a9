// The game's name, "KELDRA", in engraved gold capitals with serifs, built from pen
// strokes so that no font is needed. Thick stems, thin hairlines, curved bowls.
#pragma once

#include <vector>

#include "Canvas.h"
#include "Stroke.h"

namespace keldra::skinart {

class TitleLettering {
  public:
    // capHeight in pixels; the word is centred on `centre`.
    TitleLettering(Vec2 centre, double capHeight);

    void Paint(Canvas& canvas) const;
    double Width() const { return right_ - left_; }

  private:
    double Distance(Vec2 p) const;
    Colour GoldAt(Vec2 p) const;
    void Place(Vec2 centre);

    double capHeight_;
    std::vector<Stroke> strokes_;
    double left_ = 0;
    double right_ = 0;
    double top_ = 0;
};

}  // namespace keldra::skinart
