#include "WindowOutline.h"

namespace keldra::skinart {

namespace {

struct CornerRadii {
    double x;
    double y;
};
constexpr CornerRadii kTopCorners{7.0, 7.5};
constexpr CornerRadii kBottomCorners{7.5, 7.5};

}  // namespace

bool WindowOutline::OutsideArc(int column, int row, double radiusX, double radiusY) {
    // column and row count from the body's corner; the pixel's corner nearest to the
    // body's corner is the last to enter the arc.
    if (column >= radiusX || row >= radiusY) return false;
    const double dx = (column - radiusX) / radiusX;
    const double dy = (row - radiusY) / radiusY;
    return dx * dx + dy * dy > 1;
}

bool WindowOutline::IsKey(int x, int y) {
    if (!kBody.Contains(x, y)) return true;
    const int column = x - kBody.left < kBody.right - 1 - x ? x - kBody.left : kBody.right - 1 - x;
    const bool top = y - kBody.top < kBody.bottom - 1 - y;
    const int row = top ? y - kBody.top : kBody.bottom - 1 - y;
    const CornerRadii radii = top ? kTopCorners : kBottomCorners;
    return OutsideArc(column, row, radii.x, radii.y);
}

}  // namespace keldra::skinart
