// A rectangle of whole pixels, right and bottom exclusive, as window layouts use them.
#pragma once

namespace keldra::skinart {

struct PixelRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    int Width() const { return right - left; }
    int Height() const { return bottom - top; }
    bool Contains(int x, int y) const { return x >= left && x < right && y >= top && y < bottom; }
    PixelRect Inflated(int by) const { return {left - by, top - by, right + by, bottom + by}; }
    PixelRect Offset(int dx, int dy) const {
        return {left + dx, top + dy, right + dx, bottom + dy};
    }
    bool operator==(const PixelRect&) const = default;
};

}  // namespace keldra::skinart
