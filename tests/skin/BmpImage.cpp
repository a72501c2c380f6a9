#include "BmpImage.h"

#include <stdexcept>

namespace keldra::test {

namespace {

constexpr std::size_t kInfoHeaderSize = 40;

std::uint32_t U32(std::span<const std::uint8_t> b, std::size_t at) {
    return std::uint32_t(b[at]) | std::uint32_t(b[at + 1]) << 8 | std::uint32_t(b[at + 2]) << 16 |
           std::uint32_t(b[at + 3]) << 24;
}

std::uint16_t U16(std::span<const std::uint8_t> b, std::size_t at) {
    return std::uint16_t(b[at] | b[at + 1] << 8);
}

}  // namespace

std::optional<BmpImage> BmpImage::Parse(std::span<const std::uint8_t> dib) {
    if (dib.size() < kInfoHeaderSize || U32(dib, 0) != kInfoHeaderSize) return std::nullopt;
    BmpImage image;
    image.file_ = dib;
    image.width_ = static_cast<std::int32_t>(U32(dib, 4));
    image.storedHeight_ = static_cast<std::int32_t>(U32(dib, 8));
    image.planes_ = U16(dib, 12);
    image.bitsPerPixel_ = U16(dib, 14);
    image.compression_ = U32(dib, 16);
    if (image.width_ <= 0 || image.storedHeight_ == 0 || image.bitsPerPixel_ == 0)
        return std::nullopt;
    // Palette images carry their colour table between the header and the pixels.
    const std::size_t coloursUsed = U32(dib, 32);
    const std::size_t colours = image.bitsPerPixel_ <= 8 && coloursUsed == 0
                                    ? std::size_t{1} << image.bitsPerPixel_
                                    : coloursUsed;
    if (colours > (dib.size() - kInfoHeaderSize) / 4) return std::nullopt;
    image.pixelOffset_ = kInfoHeaderSize + 4 * colours;
    image.stride_ = (std::size_t(image.width_) * image.bitsPerPixel_ + 31) / 32 * 4;
    if ((dib.size() - image.pixelOffset_) / image.stride_ < std::size_t(image.Height())) {
        return std::nullopt;
    }
    return image;
}

Rgb BmpImage::At(int x, int y) const {
    if (bitsPerPixel_ != 24 || x < 0 || y < 0 || x >= width_ || y >= Height()) {
        throw std::out_of_range("pixel outside the image or not 24-bit");
    }
    const int row = storedHeight_ > 0 ? Height() - 1 - y : y;
    const std::size_t at = pixelOffset_ + std::size_t(row) * stride_ + std::size_t(x) * 3;
    return {file_[at + 2], file_[at + 1], file_[at]};
}

}  // namespace keldra::test
