#include "ValueNoise.h"

#include <cmath>

namespace keldra::skinart {

namespace {

std::uint32_t Mix(std::uint32_t h) {
    h ^= h >> 16;
    h *= 0x7feb352dU;
    h ^= h >> 15;
    h *= 0x846ca68bU;
    h ^= h >> 16;
    return h;
}

double Smooth(double t) {
    return t * t * (3 - 2 * t);
}

}  // namespace

double ValueNoise::Lattice(std::int64_t x, std::int64_t y) const {
    const auto ux = static_cast<std::uint32_t>(x);
    const auto uy = static_cast<std::uint32_t>(y);
    const std::uint32_t h = Mix(seed_ ^ Mix(ux + Mix(uy + 0x9e3779b9U)));
    return double(h >> 8) / double(1U << 24);
}

double ValueNoise::At(Vec2 p) const {
    const double fx = std::floor(p.x);
    const double fy = std::floor(p.y);
    const auto x = static_cast<std::int64_t>(fx);
    const auto y = static_cast<std::int64_t>(fy);
    const double tx = Smooth(p.x - fx);
    const double ty = Smooth(p.y - fy);
    const double top = Lattice(x, y) + (Lattice(x + 1, y) - Lattice(x, y)) * tx;
    const double bottom = Lattice(x, y + 1) + (Lattice(x + 1, y + 1) - Lattice(x, y + 1)) * tx;
    return top + (bottom - top) * ty;
}

double ValueNoise::Fractal(Vec2 p, int octaves) const {
    double sum = 0;
    double weight = 0.5;
    double total = 0;
    for (int i = 0; i < octaves; ++i) {
        sum += At(p * double(1 << i) + Vec2{17.0 * i, 31.0 * i}) * weight;
        total += weight;
        weight /= 2;
    }
    return sum / total;
}

}  // namespace keldra::skinart
