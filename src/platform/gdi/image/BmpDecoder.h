// Reads a packed DIB, the form a compiled bitmap resource (RT_BITMAP) takes: a
// BITMAPINFOHEADER (or a later, longer version of it), then the colour table or the
// BI_BITFIELDS masks, then the bits. Accepts uncompressed 1-, 4- and 8-bit palette images,
// 16- and 32-bit images (BI_RGB or BI_BITFIELDS) and 24-bit images, bottom-up or top-down.
// Anything else, and any header or size that does not fit the bytes given, is refused, so
// a damaged resource can never make the reader look outside its bytes.
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <span>

#include "platform/gdi/raster/Surface.h"

namespace keldra::platform::gdi {

class BmpDecoder {
  public:
    static std::shared_ptr<Surface> Decode(std::span<const std::uint8_t> dib);

  private:
    struct Layout {
        int width;
        int height;
        bool topDown;
        int bitCount;
        std::array<std::uint32_t, 3> masks;     // red, green, blue of 16- and 32-bit pixels
        std::span<const std::uint8_t> colours;  // RGBQUADs of palette images
        std::size_t stride;
        std::size_t bitsOffset;
    };
    static bool ReadLayout(std::span<const std::uint8_t> dib, Layout& layout);
    static bool ReadMasks(std::span<const std::uint8_t> dib, std::uint32_t compression,
                          std::size_t& offset, Layout& layout);
    static void ReadRow(const std::uint8_t* in, const Layout& layout, std::span<Pixel> row);
};

}  // namespace keldra::platform::gdi
