// A rectangle of pixels: the storage behind every bitmap and every window surface.
#pragma once

#include <cstddef>
#include <memory>
#include <span>
#include <vector>

#include "platform/gdi/raster/Geometry.h"
#include "platform/gdi/raster/Pixel.h"

namespace keldra::platform::gdi {

enum class PixelFormat {
    Colour,      // any 0x00RRGGBB value
    Monochrome,  // 1 bit per pixel to the outside; each pixel kept as kBlack or kWhite
};

class Surface {
  public:
    // Largest side and pixel count a surface may have, so that a hostile size from a file
    // or a caller gives an error instead of a huge allocation.
    static constexpr int kMaxSide = 32767;
    static constexpr std::size_t kMaxPixels = std::size_t{1} << 26;

    // nullptr when the size is out of range or memory runs out. Pixels start black.
    static std::shared_ptr<Surface> Create(int width, int height, PixelFormat format);
    static bool IsValidSize(int width, int height);

    Surface(int width, int height, PixelFormat format);

    int Width() const { return width_; }
    int Height() const { return height_; }
    PixelFormat Format() const { return format_; }
    bool IsMonochrome() const { return format_ == PixelFormat::Monochrome; }
    Rect Bounds() const { return {0, 0, width_, height_}; }

    std::span<Pixel> Row(int y) {
        return {pixels_.data() + static_cast<std::size_t>(y) * width_,
                static_cast<std::size_t>(width_)};
    }
    std::span<const Pixel> Row(int y) const {
        return {pixels_.data() + static_cast<std::size_t>(y) * width_,
                static_cast<std::size_t>(width_)};
    }
    Pixel At(int x, int y) const { return Row(y)[x]; }
    // Stores p, reduced to black or white on a monochrome surface.
    void Set(int x, int y, Pixel p) { Row(y)[x] = Fit(p); }
    Pixel Fit(Pixel p) const { return IsMonochrome() ? NearestMonochrome(p) : (p & kColourMask); }
    void Fill(const Rect& area, Pixel p);

    std::shared_ptr<Surface> Clone() const;

  private:
    int width_;
    int height_;
    PixelFormat format_;
    std::vector<Pixel> pixels_;
};

}  // namespace keldra::platform::gdi
