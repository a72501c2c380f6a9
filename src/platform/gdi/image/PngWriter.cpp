#include "platform/gdi/image/PngWriter.h"

#include <png.h>

#include <cstring>

namespace keldra::platform::gdi {

namespace {

png_image Describe(int width, int height, bool alpha) {
    png_image image;
    std::memset(&image, 0, sizeof image);
    image.version = PNG_IMAGE_VERSION;
    image.width = static_cast<png_uint_32>(width);
    image.height = static_cast<png_uint_32>(height);
    image.format = alpha ? PNG_FORMAT_RGBA : PNG_FORMAT_RGB;
    return image;
}

}  // namespace

PngWriter::Image PngWriter::ToImage(const Surface& surface, const Region* opaqueArea) {
    Image image{surface.Width(), surface.Height(), opaqueArea != nullptr, {}};
    const std::size_t channels = image.alpha ? 4 : 3;
    image.bytes.resize(static_cast<std::size_t>(image.width) * image.height * channels);
    std::uint8_t* out = image.bytes.data();
    for (int y = 0; y < image.height; ++y) {
        for (const Pixel p : surface.Row(y)) {
            *out++ = RedOf(p);
            *out++ = GreenOf(p);
            *out++ = BlueOf(p);
            if (image.alpha) *out++ = 0;
        }
    }
    if (image.alpha) {
        opaqueArea->ForEachRectIn(surface.Bounds(), [&](const Rect& r) {
            for (int y = r.top; y < r.bottom; ++y) {
                for (int x = r.left; x < r.right; ++x) {
                    image.bytes[(static_cast<std::size_t>(y) * image.width + x) * 4 + 3] = 255;
                }
            }
        });
    }
    return image;
}

bool PngWriter::WriteFile(const std::filesystem::path& path, const Image& image) {
    png_image png = Describe(image.width, image.height, image.alpha);
    const int ok = png_image_write_to_file(&png, path.c_str(), 0, image.bytes.data(), 0, nullptr);
    png_image_free(&png);
    return ok != 0;
}

std::vector<std::uint8_t> PngWriter::EncodeImage(const Image& image) {
    png_image png = Describe(image.width, image.height, image.alpha);
    png_alloc_size_t size = 0;
    // The first call measures, the second writes.
    if (!png_image_write_to_memory(&png, nullptr, &size, 0, image.bytes.data(), 0, nullptr)) {
        png_image_free(&png);
        return {};
    }
    std::vector<std::uint8_t> bytes(size);
    const int ok =
        png_image_write_to_memory(&png, bytes.data(), &size, 0, image.bytes.data(), 0, nullptr);
    png_image_free(&png);
    if (!ok) return {};
    bytes.resize(size);
    return bytes;
}

bool PngWriter::Write(const std::filesystem::path& path, const Surface& surface) {
    return WriteFile(path, ToImage(surface, nullptr));
}

bool PngWriter::Write(const std::filesystem::path& path, const Surface& surface,
                      const Region& opaqueArea) {
    return WriteFile(path, ToImage(surface, &opaqueArea));
}

std::vector<std::uint8_t> PngWriter::Encode(const Surface& surface) {
    return EncodeImage(ToImage(surface, nullptr));
}

std::vector<std::uint8_t> PngWriter::Encode(const Surface& surface, const Region& opaqueArea) {
    return EncodeImage(ToImage(surface, &opaqueArea));
}

}  // namespace keldra::platform::gdi
