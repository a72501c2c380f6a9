#include "BmpImage.h"

#include <stdexcept>

namespace keldra::test {

namespace {

constexpr std::size_t kFileHeaderSize = 14;
constexpr std::size_t kInfoHeaderSize = 40;

std::uint32_t U32(std::span<const std::uint8_t> b, std::size_t at) {
    return std::uint32_t(b[at]) | std::uint32_t(b[at + 1]) << 8 | std::uint32_t(b[at + 2]) << 16 |
           std::uint32_t(b[at + 3]) << 24;
}

std::uint16_t U16(std::span<const std::uint8_t> b, std::size_t at) {
    return std::uint16_t(b[at] | b[at + 1] << 8);
}

}  // namespace

std::optional<BmpImage> BmpImage::Parse(std::span<const std::uint8_t> file) {
    if (file.size() < kFileHeaderSize + kInfoHeaderSize) return std::nullopt;
    if (file[0] != 'B' || file[1] != 'M') return std::nullopt;
    if (U32(file, 2) != file.size() || U32(file, 14) != kInfoHeaderSize) return std::nullopt;
    BmpImage image;
    image.file_ = file;
    image.pixelOffset_ = U32(file, 10);
    image.width_ = static_cast<std::int32_t>(U32(file, 18));
    image.storedHeight_ = static_cast<std::int32_t>(U32(file, 22));
    image.planes_ = U16(file, 26);
    image.bitsPerPixel_ = U16(file, 28);
    image.compression_ = U32(file, 30);
    if (image.width_ <= 0 || image.storedHeight_ == 0 || image.bitsPerPixel_ == 0)
        return std::nullopt;
    image.stride_ = (std::size_t(image.width_) * image.bitsPerPixel_ + 31) / 32 * 4;
    if (image.pixelOffset_ < kFileHeaderSize + kInfoHeaderSize ||
        image.pixelOffset_ > file.size() ||
        (file.size() - image.pixelOffset_) / image.stride_ < std::size_t(image.Height())) {
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
