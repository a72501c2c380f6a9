#include "IcoWriter.h"

#include <algorithm>
#include <cmath>

#include "ByteSink.h"

namespace keldra::skinart {

namespace {

constexpr std::uint32_t kDirectorySize = 6;
constexpr std::uint32_t kEntrySize = 16;
constexpr std::uint32_t kInfoHeaderSize = 40;

std::uint8_t AlphaByte(double alpha) {
    return static_cast<std::uint8_t>(std::lround(std::clamp(alpha, 0.0, 1.0) * 255));
}

}  // namespace

std::vector<std::uint8_t> IcoWriter::EncodeImage(const Canvas& image) {
    const int w = image.Width();
    const int h = image.Height();
    const std::uint32_t maskStride = ((std::uint32_t(w) + 31) / 32) * 4;
    std::vector<std::uint8_t> bytes;
    ByteSink out(bytes);
    out.U32(kInfoHeaderSize);
    out.I32(w);
    out.I32(h * 2);  // colour image and AND mask, one above the other
    out.U16(1);
    out.U16(32);
    out.U32(0);
    out.U32(std::uint32_t(w * h * 4) + maskStride * std::uint32_t(h));
    out.U32(0);
    out.U32(0);
    out.U32(0);
    out.U32(0);
    for (int y = h - 1; y >= 0; --y) {
        for (int x = 0; x < w; ++x) {
            const Colour& c = image.At(x, y);
            out.U8(c.B8());
            out.U8(c.G8());
            out.U8(c.R8());
            out.U8(AlphaByte(image.AlphaAt(x, y)));
        }
    }
    for (int y = h - 1; y >= 0; --y) {
        std::vector<std::uint8_t> row(maskStride, 0);
        for (int x = 0; x < w; ++x) {
            if (AlphaByte(image.AlphaAt(x, y)) == 0)
                row[std::size_t(x / 8)] |= std::uint8_t(0x80 >> (x % 8));
        }
        bytes.insert(bytes.end(), row.begin(), row.end());
    }
    return bytes;
}

std::vector<std::uint8_t> IcoWriter::Encode(const std::vector<Canvas>& images) {
    std::vector<std::vector<std::uint8_t>> encoded;
    for (const Canvas& image : images) encoded.push_back(EncodeImage(image));

    std::vector<std::uint8_t> bytes;
    ByteSink out(bytes);
    out.U16(0);  // reserved
    out.U16(1);  // icon
    out.U16(std::uint16_t(images.size()));
    std::uint32_t offset = kDirectorySize + kEntrySize * std::uint32_t(images.size());
    for (std::size_t i = 0; i < images.size(); ++i) {
        const int size = images[i].Width();
        out.U8(std::uint8_t(size >= 256 ? 0 : size));
        out.U8(std::uint8_t(images[i].Height() >= 256 ? 0 : images[i].Height()));
        out.U8(0);  // no palette
        out.U8(0);
        out.U16(1);   // planes
        out.U16(32);  // bits per pixel
        out.U32(std::uint32_t(encoded[i].size()));
        out.U32(offset);
        offset += std::uint32_t(encoded[i].size());
    }
    for (const auto& image : encoded) bytes.insert(bytes.end(), image.begin(), image.end());
    return bytes;
}

}  // namespace keldra::skinart
