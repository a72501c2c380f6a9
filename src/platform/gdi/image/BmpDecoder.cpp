#include "platform/gdi/image/BmpDecoder.h"

#include <bit>
#include <limits>

namespace keldra::platform::gdi {

namespace {

constexpr std::uint32_t kBitFields = 3;           // BI_BITFIELDS
constexpr std::uint32_t kInfoHeaderSize = 40;     // BITMAPINFOHEADER
constexpr std::uint32_t kMasksInHeaderSize = 52;  // a later header that holds the masks
constexpr std::size_t kMasksSize = 12;            // three DWORD masks after a short header
constexpr std::size_t kColourSize = 4;            // RGBQUAD

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

bool IsSupported(int bitCount, std::uint32_t compression) {
    switch (bitCount) {
        case 1:
        case 4:
        case 8:
        case 24:
            return compression == BI_RGB;
        case 16:
        case 32:
            return compression == BI_RGB || compression == kBitFields;
        default:
            return false;
    }
}

// A mask must be one run of set bits (or none) to name a channel.
bool IsContiguous(std::uint32_t mask) {
    if (mask == 0) return true;
    const std::uint32_t shifted = mask >> std::countr_zero(mask);
    return (shifted & (shifted + 1)) == 0;
}

// The channel `mask` selects, scaled to 0..255.
std::uint8_t Channel(std::uint32_t value, std::uint32_t mask) {
    if (mask == 0) return 0;
    const int shift = std::countr_zero(mask);
    const int width = std::popcount(mask);
    const std::uint32_t v = (value & mask) >> shift;
    if (width >= 8) return static_cast<std::uint8_t>(v >> (width - 8));
    const std::uint32_t max = (1u << width) - 1;
    return static_cast<std::uint8_t>((v * 255 + max / 2) / max);
}

std::size_t LastRowBytes(int width, int bitCount) {
    return (static_cast<std::size_t>(width) * static_cast<std::size_t>(bitCount) + 7) / 8;
}

}  // namespace

std::shared_ptr<Surface> BmpDecoder::Decode(std::span<const std::uint8_t> dib) {
    Layout layout{};
    if (!ReadLayout(dib, layout)) return nullptr;
    auto surface = Surface::Create(layout.width, layout.height, PixelFormat::Colour);
    if (surface == nullptr) return nullptr;
    for (int y = 0; y < layout.height; ++y) {
        const int dibRow = layout.topDown ? y : layout.height - 1 - y;
        ReadRow(dib.data() + layout.bitsOffset + layout.stride * static_cast<std::size_t>(dibRow),
                layout, surface->Row(y));
    }
    return surface;
}

bool BmpDecoder::ReadLayout(std::span<const std::uint8_t> dib, Layout& layout) {
    if (dib.size() < kInfoHeaderSize) return false;
    const std::uint32_t headerSize = ReadU32(dib, 0);
    if (headerSize < kInfoHeaderSize || headerSize > dib.size()) return false;
    const std::int32_t width = ReadI32(dib, 4);
    const std::int32_t height = ReadI32(dib, 8);
    const std::uint16_t planes = ReadU16(dib, 12);
    const int bitCount = ReadU16(dib, 14);
    const std::uint32_t compression = ReadU32(dib, 16);
    const std::uint32_t coloursUsed = ReadU32(dib, 32);
    if (planes != 1 || !IsSupported(bitCount, compression)) return false;
    if (height == std::numeric_limits<std::int32_t>::min()) return false;
    const int rows = height < 0 ? -height : height;
    if (!Surface::IsValidSize(width, rows)) return false;

    layout.width = width;
    layout.height = rows;
    layout.topDown = height < 0;
    layout.bitCount = bitCount;
    std::size_t offset = headerSize;
    if (!ReadMasks(dib, compression, offset, layout)) return false;

    // Palette images have a full table unless biClrUsed says fewer; deeper ones may carry
    // a table of biClrUsed colours that the bits follow all the same.
    std::size_t colourCount = coloursUsed;
    if (bitCount <= 8) {
        const std::size_t fullTable = std::size_t{1} << bitCount;
        if (colourCount > fullTable) return false;
        if (colourCount == 0) colourCount = fullTable;
    }
    if (colourCount > (dib.size() - offset) / kColourSize) return false;
    if (bitCount <= 8) layout.colours = dib.subspan(offset, colourCount * kColourSize);
    offset += colourCount * kColourSize;

    // Rows are padded to whole 32-bit words; the last row needs only its pixels.
    layout.stride = (static_cast<std::size_t>(width) * bitCount + 31) / 32 * 4;
    layout.bitsOffset = offset;
    const std::size_t needed =
        layout.stride * static_cast<std::size_t>(rows - 1) + LastRowBytes(width, bitCount);
    return needed <= dib.size() - offset;
}

bool BmpDecoder::ReadMasks(std::span<const std::uint8_t> dib, std::uint32_t compression,
                           std::size_t& offset, Layout& layout) {
    if (compression == BI_RGB) {
        layout.masks = layout.bitCount == 16
                           ? std::array<std::uint32_t, 3>{0x7C00, 0x03E0, 0x001F}
                           : std::array<std::uint32_t, 3>{0xFF0000, 0x00FF00, 0x0000FF};
        return true;
    }
    // A BITMAPINFOHEADER is followed by the masks; later headers hold them at the same place.
    std::size_t at = kInfoHeaderSize;
    if (offset < kMasksInHeaderSize) {
        if (dib.size() - offset < kMasksSize) return false;
        at = offset;
        offset += kMasksSize;
    }
    for (std::size_t i = 0; i < 3; ++i) {
        layout.masks[i] = ReadU32(dib, at + 4 * i);
        if (!IsContiguous(layout.masks[i])) return false;
    }
    return true;
}

namespace {

// The step between pixels is a constant so that the loop over a whole background stays cheap.
template <std::size_t Step>
void ReadBgrRow(const std::uint8_t* in, std::span<Pixel> row) {
    for (Pixel& pixel : row) {
        pixel = PixelFromRgb(in[2], in[1], in[0]);
        in += Step;
    }
}

void ReadPaletteRow(const std::uint8_t* in, int bitCount, std::span<const std::uint8_t> colours,
                    std::span<Pixel> row) {
    const int perByte = 8 / bitCount;
    const unsigned indexMask = (1u << bitCount) - 1;
    for (std::size_t x = 0; x < row.size(); ++x) {
        const int shift = 8 - bitCount * (1 + static_cast<int>(x % perByte));
        const std::size_t index = (in[x / perByte] >> shift) & indexMask;
        // An index past a short table is black, as the platform draws it.
        if (index >= colours.size() / kColourSize) {
            row[x] = kBlack;
            continue;
        }
        const std::uint8_t* quad = colours.data() + index * kColourSize;
        row[x] = PixelFromRgb(quad[2], quad[1], quad[0]);
    }
}

void ReadMaskedRow(const std::uint8_t* in, int bitCount, const std::array<std::uint32_t, 3>& masks,
                   std::span<Pixel> row) {
    const std::size_t step = static_cast<std::size_t>(bitCount) / 8;
    for (Pixel& pixel : row) {
        std::uint32_t value = std::uint32_t{in[0]} | std::uint32_t{in[1]} << 8;
        if (step == 4) value |= std::uint32_t{in[2]} << 16 | std::uint32_t{in[3]} << 24;
        pixel = PixelFromRgb(Channel(value, masks[0]), Channel(value, masks[1]),
                             Channel(value, masks[2]));
        in += step;
    }
}

}  // namespace

void BmpDecoder::ReadRow(const std::uint8_t* in, const Layout& layout, std::span<Pixel> row) {
    const bool plainMasks = layout.masks == std::array<std::uint32_t, 3>{0xFF0000, 0xFF00, 0xFF};
    if (layout.bitCount == 24) {
        ReadBgrRow<3>(in, row);
    } else if (layout.bitCount == 32 && plainMasks) {
        ReadBgrRow<4>(in, row);
    } else if (layout.bitCount <= 8) {
        ReadPaletteRow(in, layout.bitCount, layout.colours, row);
    } else {
        ReadMaskedRow(in, layout.bitCount, layout.masks, row);
    }
}

}  // namespace keldra::platform::gdi
