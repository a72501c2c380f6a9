#include "platform/gdi/IcoDecoder.h"

namespace keldra::platform::gdi {

namespace {

constexpr std::size_t kDirectorySize = 6;
constexpr std::size_t kEntrySize = 16;
constexpr std::size_t kInfoHeaderSize = 40;
constexpr int kMaxSide = 256;

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

}  // namespace

std::vector<IconImage> IcoDecoder::Decode(std::span<const std::uint8_t> file) {
    std::vector<IconImage> images;
    if (file.size() < kDirectorySize || U16(file, 0) != 0 || U16(file, 2) != 1) return images;
    const std::size_t count = U16(file, 4);
    if (kDirectorySize + count * kEntrySize > file.size()) return images;
    for (std::size_t i = 0; i < count; ++i) {
        const std::size_t entry = kDirectorySize + i * kEntrySize;
        const std::size_t size = U32(file, entry + 8);
        const std::size_t offset = U32(file, entry + 12);
        if (offset > file.size() || size > file.size() - offset) continue;
        IconImage image;
        if (DecodeEntry(file.subspan(offset, size), image)) images.push_back(std::move(image));
    }
    return images;
}

bool IcoDecoder::DecodeEntry(std::span<const std::uint8_t> data, IconImage& out) {
    if (data.size() < kInfoHeaderSize || U32(data, 0) < kInfoHeaderSize ||
        U32(data, 0) > data.size())
        return false;
    const auto width = static_cast<std::int32_t>(U32(data, 4));
    const auto doubledHeight = static_cast<std::int32_t>(U32(data, 8));  // image and mask
    const int bits = U16(data, 14);
    if (U32(data, 16) != 0 || (bits != 24 && bits != 32)) return false;
    if (width <= 0 || width > kMaxSide || doubledHeight <= 0 || doubledHeight / 2 > kMaxSide)
        return false;
    const int height = doubledHeight / 2;
    const std::size_t colourStart = U32(data, 0);
    const std::size_t colourRow = RowBytes(width, bits);
    const std::size_t maskStart = colourStart + colourRow * static_cast<std::size_t>(height);
    const std::size_t maskRow = RowBytes(width, 1);
    if (maskStart + maskRow * static_cast<std::size_t>(height) > data.size()) return false;

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
    return true;
}

}  // namespace keldra::platform::gdi
