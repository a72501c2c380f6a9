#include "BmpWriter.h"

#include "ByteSink.h"

namespace keldra::skinart {

namespace {

constexpr std::uint32_t kFileHeaderSize = 14;
constexpr std::uint32_t kInfoHeaderSize = 40;
constexpr std::int32_t kPixelsPerMetre = 2835;  // 72 dots per inch

}  // namespace

std::vector<std::uint8_t> BmpWriter::Encode(const Canvas& canvas) {
    const auto width = std::uint32_t(canvas.Width());
    const auto height = std::uint32_t(canvas.Height());
    const std::uint32_t stride = (width * 3 + 3) & ~3U;
    const std::uint32_t pixelBytes = stride * height;
    const std::uint32_t offset = kFileHeaderSize + kInfoHeaderSize;

    std::vector<std::uint8_t> bytes;
    bytes.reserve(offset + pixelBytes);
    ByteSink out(bytes);
    out.U8('B');
    out.U8('M');
    out.U32(offset + pixelBytes);
    out.U32(0);
    out.U32(offset);

    out.U32(kInfoHeaderSize);
    out.I32(canvas.Width());
    out.I32(canvas.Height());  // positive: rows stored bottom-up
    out.U16(1);                // planes
    out.U16(24);               // bits per pixel
    out.U32(0);                // BI_RGB, uncompressed
    out.U32(pixelBytes);
    out.I32(kPixelsPerMetre);
    out.I32(kPixelsPerMetre);
    out.U32(0);
    out.U32(0);

    for (int y = canvas.Height() - 1; y >= 0; --y) {
        for (int x = 0; x < canvas.Width(); ++x) {
            const Colour& c = canvas.At(x, y);
            out.U8(c.B8());
            out.U8(c.G8());
            out.U8(c.R8());
        }
        for (std::uint32_t pad = width * 3; pad < stride; ++pad) out.U8(0);
    }
    return bytes;
}

}  // namespace keldra::skinart
