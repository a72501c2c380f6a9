// A point or direction in pixel space; pixel (x, y) has its centre at (x + 0.5, y + 0.5).
#pragma once

#include <cmath>

namespace keldra::skinart {

struct Vec2 {
    double x = 0;
    double y = 0;

    Vec2 operator+(const Vec2& o) const { return {x + o.x, y + o.y}; }
    Vec2 operator-(const Vec2& o) const { return {x - o.x, y - o.y}; }
    Vec2 operator*(double k) const { return {x * k, y * k}; }
    double Dot(const Vec2& o) const { return x * o.x + y * o.y; }
    double Length() const { return std::hypot(x, y); }
    Vec2 Normalised() const {
        const double len = Length();
        return len > 0 ? Vec2{x / len, y / len} : Vec2{};
    }

    static Vec2 PixelCentre(int px, int py) { return {px + 0.5, py + 0.5}; }
};

}  // namespace keldra::skinart
