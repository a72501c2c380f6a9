#include "platform/gdi/raster/Brush.h"

namespace keldra::platform::gdi {

namespace {

int FloorMod(int value, int modulus) {
    const int r = value % modulus;
    return r < 0 ? r + modulus : r;
}

}  // namespace

Brush Brush::Pattern(const Surface& pattern) {
    auto copy = pattern.Clone();
    if (copy == nullptr) return Null();
    return Brush(kBlack, std::move(copy));
}

Brush Brush::SharedPattern(std::shared_ptr<const Surface> pattern) {
    if (pattern == nullptr) return Null();
    return Brush(kBlack, std::move(pattern));
}

void Brush::Fill(Surface& target, const Rect& area, Point patternOrigin, DcColours colours) const {
    if (null_) return;
    if (pattern_ == nullptr) {
        target.Fill(area, colour_);
        return;
    }
    FillPattern(target, area.Intersect(target.Bounds()), patternOrigin, colours);
}

void Brush::FillPattern(Surface& target, const Rect& area, Point origin, DcColours colours) const {
    const Surface& pattern = *pattern_;
    const bool mono = pattern.IsMonochrome();
    for (int y = area.top; y < area.bottom; ++y) {
        const auto source = pattern.Row(FloorMod(y - origin.y, pattern.Height()));
        auto row = target.Row(y);
        int px = FloorMod(area.left - origin.x, pattern.Width());
        for (int x = area.left; x < area.right; ++x) {
            Pixel p = source[px];
            if (mono) p = p == kWhite ? colours.background : colours.text;
            row[x] = target.Fit(p);
            if (++px == pattern.Width()) px = 0;
        }
    }
}

}  // namespace keldra::platform::gdi
