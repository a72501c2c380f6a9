// An image being drawn: colour plus coverage per pixel. Opaque art starts fully covered;
// the icon starts clear and gains coverage as shapes are painted over it.
#pragma once

#include <vector>

#include "Colour.h"

namespace keldra::skinart {

class Canvas {
  public:
    Canvas(int width, int height, Colour fill = {}, double alpha = 1.0);

    int Width() const { return width_; }
    int Height() const { return height_; }
    bool InBounds(int x, int y) const { return x >= 0 && y >= 0 && x < width_ && y < height_; }

    const Colour& At(int x, int y) const { return colours_[Index(x, y)]; }
    double AlphaAt(int x, int y) const { return alphas_[Index(x, y)]; }
    void Set(int x, int y, Colour colour) { colours_[Index(x, y)] = colour; }

    // Paints `colour` over the pixel with the given opacity (0 to 1), "over" compositing.
    void Blend(int x, int y, Colour colour, double opacity);

    // Moves every pixel that would be stored as (or within `margin` of) `key` away from
    // it, so that only pixels set on purpose carry a key colour's meaning.
    void KeepClearOf(Colour key, int margin);

  private:
    std::size_t Index(int x, int y) const { return std::size_t(y) * std::size_t(width_) + x; }

    int width_;
    int height_;
    std::vector<Colour> colours_;
    std::vector<double> alphas_;
};

}  // namespace keldra::skinart
