#include "platform/gdi/BmpDecoder.h"

#include <limits>

namespace keldra::platform::gdi {

namespace {

constexpr std::size_t kFileHeaderSize = 14;
constexpr std::uint32_t kInfoHeaderSize = 40;

std::uint32_t ReadU32(std::span<const std::uint8_t> bytes, std::size_t at) {
    return std::uint32_t{bytes[at]} | (std::uint32_t{bytes[at + 1]} << 8) |
           (std::uint32_t{bytes[at + 2]} << 16) | (std::uint32_t{bytes[at + 3]} << 24);
}
std::uint16_t ReadU16(std::span<const std::uint8_t> bytes, std::size_t at) {
    return static_cast<std::uint16_t>(bytes[at] | (bytes[at + 1] << 8));
}
std::int32_t ReadI32(std::span<const std::uint8_t> bytes, std::size_t at) {
    return static_cast<std::int32_t>(ReadU32(bytes, at));
}

}  // namespace

std::shared_ptr<Surface> BmpDecoder::Decode(std::span<const std::uint8_t> file) {
    Layout layout{};
    if (!ReadLayout(file, layout)) return nullptr;
    auto surface = Surface::Create(layout.width, layout.height, PixelFormat::Colour);
    if (surface != nullptr) ReadPixels(file, layout, *surface);
    return surface;
}

bool BmpDecoder::ReadLayout(std::span<const std::uint8_t> file, Layout& layout) {
    if (file.size() < kFileHeaderSize + kInfoHeaderSize) return false;
    if (file[0] != 'B' || file[1] != 'M') return false;
    const std::uint32_t infoSize = ReadU32(file, 14);
    if (infoSize < kInfoHeaderSize || infoSize > file.size() - kFileHeaderSize) return false;
    const std::int32_t width = ReadI32(file, 18);
    const std::int32_t height = ReadI32(file, 22);
    const std::uint16_t planes = ReadU16(file, 26);
    const std::uint16_t bitCount = ReadU16(file, 28);
    const std::uint32_t compression = ReadU32(file, 30);
    if (planes != 1 || compression != BI_RGB || (bitCount != 24 && bitCount != 32)) return false;
    if (height == std::numeric_limits<std::int32_t>::min()) return false;
    const int rows = height < 0 ? -height : height;
    if (!Surface::IsValidSize(width, rows)) return false;

    layout.width = width;
    layout.height = rows;
    layout.topDown = height < 0;
    layout.bytesPerPixel = bitCount / 8;
    // Rows are padded to whole 32-bit words.
    layout.stride = (static_cast<std::size_t>(width) * bitCount + 31) / 32 * 4;
    layout.pixelOffset = ReadU32(file, 10);
    if (layout.pixelOffset < kFileHeaderSize + infoSize || layout.pixelOffset > file.size()) {
        return false;
    }
    // The last row needs only its pixels, not its padding.
    const std::size_t needed = layout.stride * static_cast<std::size_t>(rows - 1) +
                               static_cast<std::size_t>(width) * layout.bytesPerPixel;
    return needed <= file.size() - layout.pixelOffset;
}

namespace {

// The step between pixels is a constant so that the loop over a whole background stays cheap.
template <std::size_t Step>
void ReadRow(const std::uint8_t* in, std::span<Pixel> row) {
    for (Pixel& pixel : row) {
        pixel = PixelFromRgb(in[2], in[1], in[0]);
        in += Step;
    }
}

}  // namespace

void BmpDecoder::ReadPixels(std::span<const std::uint8_t> file, const Layout& layout,
                            Surface& surface) {
    for (int y = 0; y < layout.height; ++y) {
        const int fileRow = layout.topDown ? y : layout.height - 1 - y;
        const std::uint8_t* in =
            file.data() + layout.pixelOffset + layout.stride * static_cast<std::size_t>(fileRow);
        if (layout.bytesPerPixel == 3) {
            ReadRow<3>(in, surface.Row(y));
        } else {
            ReadRow<4>(in, surface.Row(y));
        }
    }
}

}  // namespace keldra::platform::gdi
