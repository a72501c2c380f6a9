// Integer geometry of the graphics layer. Rectangles are half-open: they include left
// and top and exclude right and bottom, as the platform's RECT does.
#pragma once

#include <algorithm>

namespace keldra::platform::gdi {

struct Point {
    int x = 0;
    int y = 0;

    friend bool operator==(const Point&, const Point&) = default;
};

struct Rect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    static constexpr Rect FromSize(int x, int y, int width, int height) {
        return {x, y, x + width, y + height};
    }
    // The same rectangle with left <= right and top <= bottom.
    static constexpr Rect Normalized(int x1, int y1, int x2, int y2) {
        return {std::min(x1, x2), std::min(y1, y2), std::max(x1, x2), std::max(y1, y2)};
    }

    constexpr int Width() const { return right - left; }
    constexpr int Height() const { return bottom - top; }
    constexpr bool IsEmpty() const { return left >= right || top >= bottom; }
    constexpr bool Contains(Point p) const {
        return p.x >= left && p.x < right && p.y >= top && p.y < bottom;
    }
    constexpr Rect Intersect(const Rect& other) const {
        const Rect r{std::max(left, other.left), std::max(top, other.top),
                     std::min(right, other.right), std::min(bottom, other.bottom)};
        return r.IsEmpty() ? Rect{} : r;
    }
    constexpr Rect Offset(int dx, int dy) const {
        return {left + dx, top + dy, right + dx, bottom + dy};
    }

    friend bool operator==(const Rect&, const Rect&) = default;
};

}  // namespace keldra::platform::gdi
