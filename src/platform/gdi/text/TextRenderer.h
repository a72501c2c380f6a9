// Draws laid-out text onto a surface: each glyph's grayscale coverage blends the text
// colour over what is there, and only inside the clip rectangles given.
#pragma once

#include <span>

#include "platform/gdi/raster/Surface.h"
#include "platform/gdi/text/FontFaceSet.h"
#include "platform/gdi/text/TextLayout.h"

namespace keldra::platform::gdi {

class TextRenderer {
  public:
    TextRenderer(Surface& target, std::span<const Rect> clips, FontFaceSet& fonts, Pixel colour)
        : target_(target), clips_(clips), fonts_(fonts), colour_(colour) {}

    // Draws line with its pen starting at (x, baseline), surface coordinates; rightToLeft
    // orders it as a right-to-left paragraph.
    void DrawLine(const TextLine& line, int x, int baseline, bool rightToLeft = false);
    void FillBox(const Rect& box, Pixel colour);

  private:
    void DrawGlyph(const Glyph& glyph, int penX, int baseline);
    void BlendSpan(int y, int x, std::span<const std::uint8_t> coverage, const Rect& clip);

    Surface& target_;
    std::span<const Rect> clips_;
    FontFaceSet& fonts_;
    Pixel colour_;
};

}  // namespace keldra::platform::gdi
