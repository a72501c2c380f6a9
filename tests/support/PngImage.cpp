#include "support/PngImage.h"

#include <png.h>

namespace keldra::testing {

std::optional<PngImage> PngImage::Read(const std::filesystem::path& file) {
    png_image image{};
    image.version = PNG_IMAGE_VERSION;
    if (png_image_begin_read_from_file(&image, file.c_str()) == 0) return std::nullopt;
    image.format = PNG_FORMAT_RGBA;
    PngImage result;
    result.width = static_cast<int>(image.width);
    result.height = static_cast<int>(image.height);
    result.rgba.resize(PNG_IMAGE_SIZE(image));
    if (png_image_finish_read(&image, nullptr, result.rgba.data(), 0, nullptr) == 0) {
        png_image_free(&image);
        return std::nullopt;
    }
    return result;
}

}  // namespace keldra::testing
