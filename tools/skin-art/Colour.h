// A colour with components on the 0-255 scale, kept as doubles while the artwork is
// composed so that shading and blending do not band; rounded only when written out.
#pragma once

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace keldra::skinart {

struct Colour {
    double r = 0;
    double g = 0;
    double b = 0;

    Colour operator*(double k) const { return {r * k, g * k, b * k}; }
    Colour operator+(const Colour& o) const { return {r + o.r, g + o.g, b + o.b}; }
    bool operator==(const Colour&) const = default;

    // Linear blend towards `other`: t = 0 keeps this colour, t = 1 gives `other`.
    Colour Mixed(const Colour& other, double t) const {
        return {r + (other.r - r) * t, g + (other.g - g) * t, b + (other.b - b) * t};
    }

    static std::uint8_t ToByte(double v) {
        return static_cast<std::uint8_t>(std::lround(std::clamp(v, 0.0, 255.0)));
    }
    std::uint8_t R8() const { return ToByte(r); }
    std::uint8_t G8() const { return ToByte(g); }
    std::uint8_t B8() const { return ToByte(b); }

    // The colour as it will be stored, so comparisons see what a reader sees.
    Colour Quantised() const { return {double(R8()), double(G8()), double(B8())}; }
};

}  // namespace keldra::skinart
