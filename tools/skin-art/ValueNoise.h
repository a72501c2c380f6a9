// Seeded, smooth 2-D value noise and its fractal sum. Pure functions of the seed and the
// position, so the artwork comes out byte for byte the same on every run and machine.
#pragma once

#include <cstdint>

#include "Vec2.h"

namespace keldra::skinart {

class ValueNoise {
  public:
    explicit ValueNoise(std::uint32_t seed) : seed_(seed) {}

    // Smoothly varying value in [0, 1); one lattice cell per unit of p.
    double At(Vec2 p) const;
    // Sum of `octaves` layers, each twice as fine and half as strong; result in [0, 1).
    double Fractal(Vec2 p, int octaves) const;

  private:
    double Lattice(std::int64_t x, std::int64_t y) const;

    std::uint32_t seed_;
};

}  // namespace keldra::skinart
