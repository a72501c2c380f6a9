#include "DialogUnits.h"

namespace keldra::skinart {

namespace {

int Scale(int units, int numerator, int denominator) {
    const int scaled = units * numerator;
    const int half = denominator / 2;
    return scaled >= 0 ? (scaled + half) / denominator : -((-scaled + half) / denominator);
}

}  // namespace

int DialogUnits::ToPixelsX(int units) {
    return Scale(units, 6, 4);
}

int DialogUnits::ToPixelsY(int units) {
    return Scale(units, 13, 8);
}

PixelRect DialogUnits::ToPixels(const DialogRect& r) {
    const int left = ToPixelsX(r.x);
    const int top = ToPixelsY(r.y);
    return {left, top, left + ToPixelsX(r.width), top + ToPixelsY(r.height)};
}

}  // namespace keldra::skinart
