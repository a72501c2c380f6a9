#include "platform/gdi/image/IcoDecoder.h"

#include <png.h>

#include <algorithm>
#include <array>
#include <bit>

namespace keldra::platform::gdi {

namespace {

constexpr std::size_t kInfoHeaderSize = 40;
constexpr int kMaxSide = 256;
constexpr std::array<std::uint8_t, 8> kPngSignature = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};

std::uint32_t U32(std::span<const std::uint8_t> b, std::size_t at) {
    return std::uint32_t{b[at]} | std::uint32_t{b[at + 1]} << 8 | std::uint32_t{b[at + 2]} << 16 |
           std::uint32_t{b[at + 3]} << 24;
}
std::uint16_t U16(std::span<const std::uint8_t> b, std::size_t at) {
    return static_cast<std::uint16_t>(b[at] | b[at + 1] << 8);
}

std::size_t RowBytes(int width, int bitsPerPixel) {
    return (static_cast<std::size_t>(width) * static_cast<std::size_t>(bitsPerPixel) + 31) / 32 * 4;
}

bool IsPng(std::span<const std::uint8_t> picture) {
    return picture.size() >= kPngSignature.size() &&
           std::equal(kPngSignature.begin(), kPngSignature.end(), picture.begin());
}

// Frees libpng's reader on every way out.
class PngImage {
  public:
    PngImage() { image_.version = PNG_IMAGE_VERSION; }
    ~PngImage() { png_image_free(&image_); }
    PngImage(const PngImage&) = delete;
    PngImage& operator=(const PngImage&) = delete;
    png_image& Get() { return image_; }

  private:
    png_image image_{};
};

}  // namespace

std::optional<IconImage> IcoDecoder::Decode(std::span<const std::uint8_t> picture) {
    return IsPng(picture) ? DecodePng(picture) : DecodeDib(picture);
}

std::optional<IconImage> IcoDecoder::DecodeDib(std::span<const std::uint8_t> data) {
    if (data.size() < kInfoHeaderSize || U32(data, 0) < kInfoHeaderSize ||
        U32(data, 0) > data.size())
        return std::nullopt;
    const auto width = static_cast<std::int32_t>(U32(data, 4));
    const auto doubledHeight = static_cast<std::int32_t>(U32(data, 8));  // image and mask
    const int bits = U16(data, 14);
    if (U32(data, 16) != 0 || (bits != 24 && bits != 32)) return std::nullopt;
    if (width <= 0 || width > kMaxSide || doubledHeight <= 0 || doubledHeight / 2 > kMaxSide)
        return std::nullopt;
    const int height = doubledHeight / 2;
    const std::size_t colourStart = U32(data, 0);
    const std::size_t colourRow = RowBytes(width, bits);
    const std::size_t maskStart = colourStart + colourRow * static_cast<std::size_t>(height);
    const std::size_t maskRow = RowBytes(width, 1);
    if (maskStart + maskRow * static_cast<std::size_t>(height) > data.size()) return std::nullopt;

    IconImage out;
    out.width = width;
    out.height = height;
    out.argb.assign(static_cast<std::size_t>(width) * static_cast<std::size_t>(height), 0);
    for (int y = 0; y < height; ++y) {
        const std::size_t fileRow = static_cast<std::size_t>(height - 1 - y);  // stored bottom-up
        const std::uint8_t* colour = data.data() + colourStart + fileRow * colourRow;
        const std::uint8_t* mask = data.data() + maskStart + fileRow * maskRow;
        for (int x = 0; x < width; ++x) {
            const std::uint8_t* p =
                colour + static_cast<std::size_t>(x) * static_cast<std::size_t>(bits / 8);
            const bool masked = (mask[x / 8] >> (7 - x % 8)) & 1;
            // 32-bit pictures carry their alpha; 24-bit ones take it from the mask.
            const std::uint32_t alpha = masked ? 0 : (bits == 32 ? p[3] : 255);
            out.argb[static_cast<std::size_t>(y) * static_cast<std::size_t>(width) +
                     static_cast<std::size_t>(x)] =
                alpha << 24 | std::uint32_t{p[2]} << 16 | std::uint32_t{p[1]} << 8 | p[0];
        }
    }
    return out;
}

std::optional<IconImage> IcoDecoder::DecodePng(std::span<const std::uint8_t> png) {
    PngImage reader;
    png_image& image = reader.Get();
    if (!png_image_begin_read_from_memory(&image, png.data(), png.size())) return std::nullopt;
    if (image.width == 0 || image.width > kMaxSide || image.height == 0 ||
        image.height > kMaxSide) {
        return std::nullopt;
    }
    // Straight BGRA bytes in memory are 0xAARRGGBB words on a little-endian machine.
    static_assert(std::endian::native == std::endian::little);
    image.format = PNG_FORMAT_BGRA;
    IconImage out;
    out.width = static_cast<int>(image.width);
    out.height = static_cast<int>(image.height);
    out.argb.assign(static_cast<std::size_t>(image.width) * image.height, 0);
    if (!png_image_finish_read(&image, nullptr, out.argb.data(), 0, nullptr)) return std::nullopt;
    return out;
}

}  // namespace keldra::platform::gdi
