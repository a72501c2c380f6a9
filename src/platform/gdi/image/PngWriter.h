// Writes a surface as a PNG file through libpng: 24-bit RGB, or 32-bit RGBA where the
// pixels outside a given area (say, outside a shaped window's region) are transparent.
#pragma once

#include <cstdint>
#include <filesystem>
#include <vector>

#include "platform/gdi/raster/Region.h"
#include "platform/gdi/raster/Surface.h"

namespace keldra::platform::gdi {

class PngWriter {
  public:
    // RGB, every pixel opaque.
    static bool Write(const std::filesystem::path& path, const Surface& surface);
    // RGBA, opaque inside opaqueArea and fully transparent elsewhere.
    static bool Write(const std::filesystem::path& path, const Surface& surface,
                      const Region& opaqueArea);
    // The same images in memory; empty on failure.
    static std::vector<std::uint8_t> Encode(const Surface& surface);
    static std::vector<std::uint8_t> Encode(const Surface& surface, const Region& opaqueArea);

  private:
    struct Image {
        int width;
        int height;
        bool alpha;
        std::vector<std::uint8_t> bytes;  // RGB or RGBA rows, top to bottom, unpadded
    };
    static Image ToImage(const Surface& surface, const Region* opaqueArea);
    static bool WriteFile(const std::filesystem::path& path, const Image& image);
    static std::vector<std::uint8_t> EncodeImage(const Image& image);
};

}  // namespace keldra::platform::gdi
