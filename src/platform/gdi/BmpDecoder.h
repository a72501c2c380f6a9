// Reads a .bmp file image (BITMAPFILEHEADER, then a BITMAPINFOHEADER or a later,
// longer version of it) into a colour surface. Accepts uncompressed 24- and 32-bit
// images, bottom-up or top-down: what the program's skin resources are. Anything else,
// and any header or size that does not fit the bytes given, is refused, so a damaged
// file can never make the reader look outside its bytes.
#pragma once

#include <cstdint>
#include <memory>
#include <span>

#include "platform/gdi/Surface.h"

namespace keldra::platform::gdi {

class BmpDecoder {
  public:
    static std::shared_ptr<Surface> Decode(std::span<const std::uint8_t> file);

  private:
    struct Layout {
        int width;
        int height;
        bool topDown;
        int bytesPerPixel;
        std::size_t stride;
        std::size_t pixelOffset;
    };
    static bool ReadLayout(std::span<const std::uint8_t> file, Layout& layout);
    static void ReadPixels(std::span<const std::uint8_t> file, const Layout& layout,
                           Surface& surface);
};

}  // namespace keldra::platform::gdi
