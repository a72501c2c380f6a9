// What fills an area: a solid colour, a tiled pattern, or nothing (the null brush).
#pragma once

#include <memory>

#include "platform/gdi/raster/Surface.h"

namespace keldra::platform::gdi {

// The colours a device context lends to drawing: a monochrome source or pattern shows its
// black pixels in text and its white pixels in background.
struct DcColours {
    Pixel text = kBlack;
    Pixel background = kWhite;
};

class Brush {
  public:
    static Brush Solid(Pixel colour) { return Brush(colour, nullptr); }
    // The pattern is copied, so the bitmap it came from may change or go away.
    static Brush Pattern(const Surface& pattern);
    // The pattern is shared; whoever else holds it must not change it.
    static Brush SharedPattern(std::shared_ptr<const Surface> pattern);
    static Brush Null() { return Brush(kBlack, nullptr, true); }

    bool IsNull() const { return null_; }
    bool IsPattern() const { return pattern_ != nullptr; }
    Pixel Colour() const { return colour_; }
    const Surface* PatternSurface() const { return pattern_.get(); }

    // Fills area (target coordinates). The pattern's top-left pixel lies at patternOrigin,
    // also in target coordinates, and repeats from there in every direction.
    void Fill(Surface& target, const Rect& area, Point patternOrigin, DcColours colours) const;

  private:
    Brush(Pixel colour, std::shared_ptr<const Surface> pattern, bool null = false)
        : colour_(colour), pattern_(std::move(pattern)), null_(null) {}
    void FillPattern(Surface& target, const Rect& area, Point origin, DcColours colours) const;

    Pixel colour_;
    std::shared_ptr<const Surface> pattern_;
    bool null_;
};

}  // namespace keldra::platform::gdi
