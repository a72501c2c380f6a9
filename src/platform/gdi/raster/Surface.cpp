#include "platform/gdi/raster/Surface.h"

#include <algorithm>
#include <new>

namespace keldra::platform::gdi {

bool Surface::IsValidSize(int width, int height) {
    if (width <= 0 || height <= 0 || width > kMaxSide || height > kMaxSide) return false;
    return static_cast<std::size_t>(width) * static_cast<std::size_t>(height) <= kMaxPixels;
}

std::shared_ptr<Surface> Surface::Create(int width, int height, PixelFormat format) {
    if (!IsValidSize(width, height)) return nullptr;
    try {
        return std::make_shared<Surface>(width, height, format);
    } catch (const std::bad_alloc&) {
        return nullptr;
    }
}

Surface::Surface(int width, int height, PixelFormat format)
    : width_(width),
      height_(height),
      format_(format),
      pixels_(static_cast<std::size_t>(width) * static_cast<std::size_t>(height), kBlack) {}

void Surface::Fill(const Rect& area, Pixel p) {
    const Rect clipped = area.Intersect(Bounds());
    const Pixel value = Fit(p);
    for (int y = clipped.top; y < clipped.bottom; ++y) {
        auto row = Row(y);
        std::fill(row.begin() + clipped.left, row.begin() + clipped.right, value);
    }
}

std::shared_ptr<Surface> Surface::Clone() const {
    try {
        return std::make_shared<Surface>(*this);
    } catch (const std::bad_alloc&) {
        return nullptr;
    }
}

}  // namespace keldra::platform::gdi
