// Moves pixels from one surface to another with a raster operation, converting between
// colour and monochrome the way the platform does:
// - colour to monochrome: a source pixel equal to the source context's background colour
//   becomes white (1), every other pixel black (0);
// - monochrome to colour: white (1) becomes the destination context's background colour,
//   black (0) its text colour.
#pragma once

#include "platform/gdi/raster/Brush.h"
#include "platform/gdi/raster/Surface.h"

namespace keldra::platform::gdi {

enum class RasterOp {
    Copy,    // SRCCOPY: dst = src
    Invert,  // SRCINVERT: dst = dst ^ src
    And,     // SRCAND: dst = dst & src
    Paint,   // SRCPAINT: dst = dst | src
};

struct BlitColours {
    Pixel sourceBackground = kWhite;  // of the source context
    DcColours destination;            // of the destination context
};

class Blitter {
  public:
    // Applies op to area of dst (dst coordinates), reading src from sourceTopLeft on. Both
    // rectangles must lie inside their surfaces; src may be dst itself.
    static void Blit(Surface& dst, const Rect& area, const Surface& src, Point sourceTopLeft,
                     RasterOp op, const BlitColours& colours);

  private:
    static void CopyRows(Surface& dst, const Rect& area, const Surface& src, Point from);
    static void ConvertRow(std::span<const Pixel> source, std::span<Pixel> out, bool toMono,
                           bool fromMono, const BlitColours& colours);
    static void Combine(std::span<const Pixel> source, std::span<Pixel> target, RasterOp op);
};

}  // namespace keldra::platform::gdi
