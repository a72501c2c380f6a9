// A strict reader of the skin's bitmaps for the tests, as the program holds them (compiled
// RT_BITMAP resources: packed DIBs, the .bmp file without its file header): the header as
// stored, and the pixels of 24-bit uncompressed images, every read checked against the
// bytes given.
#pragma once

#include <cstdint>
#include <optional>
#include <span>

namespace keldra::test {

struct Rgb {
    std::uint8_t r = 0;
    std::uint8_t g = 0;
    std::uint8_t b = 0;
    bool operator==(const Rgb&) const = default;
};

class BmpImage {
  public:
    // Nothing when the bytes do not start with a 40-byte info header, or the pixel rows
    // (each padded to a DWORD) do not fit inside them.
    static std::optional<BmpImage> Parse(std::span<const std::uint8_t> dib);

    std::int32_t Width() const { return width_; }
    std::int32_t StoredHeight() const { return storedHeight_; }  // positive: bottom-up
    int Height() const { return storedHeight_ < 0 ? -storedHeight_ : storedHeight_; }
    std::uint16_t BitsPerPixel() const { return bitsPerPixel_; }
    std::uint16_t Planes() const { return planes_; }
    std::uint32_t Compression() const { return compression_; }

    // Pixel (x, y) counted from the top-left, as the window shows it; 24-bit images only.
    Rgb At(int x, int y) const;

  private:
    std::span<const std::uint8_t> file_;
    std::int32_t width_ = 0;
    std::int32_t storedHeight_ = 0;
    std::uint16_t planes_ = 0;
    std::uint16_t bitsPerPixel_ = 0;
    std::uint32_t compression_ = 0;
    std::size_t pixelOffset_ = 0;
    std::size_t stride_ = 0;
};

}  // namespace keldra::test
