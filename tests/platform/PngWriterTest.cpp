#include <gtest/gtest.h>
#include <png.h>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "platform/gdi/image/PngWriter.h"

namespace keldra::platform::gdi {
namespace {

struct Decoded {
    int width = 0, height = 0, channels = 0;
    std::vector<std::uint8_t> bytes;
};

// Reads a PNG back with libpng as RGBA, and tells how many channels the file has.
Decoded DecodePng(const std::vector<std::uint8_t>& file) {
    png_image image;
    std::memset(&image, 0, sizeof image);
    image.version = PNG_IMAGE_VERSION;
    Decoded out;
    if (!png_image_begin_read_from_memory(&image, file.data(), file.size())) return out;
    out.channels = PNG_IMAGE_PIXEL_CHANNELS(image.format);
    image.format = PNG_FORMAT_RGBA;
    out.bytes.resize(PNG_IMAGE_SIZE(image));
    if (!png_image_finish_read(&image, nullptr, out.bytes.data(), 0, nullptr)) return {};
    out.width = static_cast<int>(image.width);
    out.height = static_cast<int>(image.height);
    return out;
}

Surface Sample() {
    Surface surface(3, 2, PixelFormat::Colour);
    for (int y = 0; y < 2; ++y) {
        for (int x = 0; x < 3; ++x) surface.Set(x, y, PixelFromColorRef(RGB(10 * x, 100 + y, 200)));
    }
    return surface;
}

TEST(PngWriter, RgbImageKeepsEveryPixel) {
    const Decoded png = DecodePng(PngWriter::Encode(Sample()));
    ASSERT_EQ(png.width, 3);
    ASSERT_EQ(png.height, 2);
    EXPECT_EQ(png.channels, 3);
    for (int y = 0; y < 2; ++y) {
        for (int x = 0; x < 3; ++x) {
            const std::uint8_t* p = &png.bytes[(y * 3 + x) * 4];
            EXPECT_EQ(p[0], 10 * x);
            EXPECT_EQ(p[1], 100 + y);
            EXPECT_EQ(p[2], 200);
            EXPECT_EQ(p[3], 255);
        }
    }
}

TEST(PngWriter, RgbaImageIsTransparentOutsideTheArea) {
    Region area(Rect{1, 0, 3, 1});
    const Decoded png = DecodePng(PngWriter::Encode(Sample(), area));
    ASSERT_EQ(png.width, 3);
    EXPECT_EQ(png.channels, 4);
    const int expectedAlpha[2][3] = {{0, 255, 255}, {0, 0, 0}};
    for (int y = 0; y < 2; ++y) {
        for (int x = 0; x < 3; ++x) EXPECT_EQ(png.bytes[(y * 3 + x) * 4 + 3], expectedAlpha[y][x]);
    }
    EXPECT_EQ(png.bytes[(0 * 3 + 1) * 4 + 0], 10);
}

TEST(PngWriter, WritesFilesAndReportsFailure) {
    const auto path = std::filesystem::temp_directory_path() / "keldra-png-writer-test.png";
    ASSERT_TRUE(PngWriter::Write(path, Sample()));
    std::ifstream in(path, std::ios::binary);
    const std::vector<std::uint8_t> bytes{std::istreambuf_iterator<char>(in), {}};
    std::filesystem::remove(path);
    EXPECT_EQ(DecodePng(bytes).width, 3);
    EXPECT_FALSE(PngWriter::Write("/nonexistent-folder/x.png", Sample()));
}

}  // namespace
}  // namespace keldra::platform::gdi
