// The window icon (group icon 128) names 16, 32 and 48 pixel pictures (RT_ICON resources):
// 32-bit BGRA with an AND mask that agrees with the alpha channel.
#include <gtest/gtest.h>

#include <cstdint>
#include <span>

#include "SkinResource.h"

namespace keldra::test {
namespace {

constexpr std::size_t kDirectorySize = 6;
constexpr std::size_t kEntrySize = 14;  // GRPICONDIRENTRY
constexpr std::size_t kInfoHeaderSize = 40;

std::uint32_t U32(std::span<const std::uint8_t> b, std::size_t at) {
    return std::uint32_t(b[at]) | std::uint32_t(b[at + 1]) << 8 | std::uint32_t(b[at + 2]) << 16 |
           std::uint32_t(b[at + 3]) << 24;
}

std::uint16_t U16(std::span<const std::uint8_t> b, std::size_t at) {
    return std::uint16_t(b[at] | b[at + 1] << 8);
}

std::span<const std::uint8_t> IconGroup() {
    return SkinResource::Bytes(128, RT_GROUP_ICON);
}

TEST(AppIcon, IsAnIconGroupOfThreeImages) {
    const auto ico = IconGroup();
    ASSERT_GE(ico.size(), kDirectorySize + 3 * kEntrySize);
    EXPECT_EQ(U16(ico, 0), 0);  // reserved
    EXPECT_EQ(U16(ico, 2), 1);  // 1 = icon, 2 = cursor
    EXPECT_EQ(U16(ico, 4), 3);
}

class AppIconImage : public ::testing::TestWithParam<int> {};

// Finds the directory entry of one size and checks the image it points at.
TEST_P(AppIconImage, Is32BitWithAMaskThatMatchesItsAlpha) {
    const int size = GetParam();
    const auto ico = IconGroup();
    ASSERT_GE(ico.size(), kDirectorySize);
    const std::size_t count = U16(ico, 4);
    ASSERT_GE(ico.size(), kDirectorySize + count * kEntrySize);
    std::span<const std::uint8_t> image;
    for (std::size_t i = 0; i < count; ++i) {
        const std::size_t entry = kDirectorySize + i * kEntrySize;
        if (ico[entry] != size || ico[entry + 1] != size) continue;
        EXPECT_EQ(U16(ico, entry + 4), 1);   // planes
        EXPECT_EQ(U16(ico, entry + 6), 32);  // bits per pixel
        image = SkinResource::Bytes(U16(ico, entry + 12), RT_ICON);
        EXPECT_EQ(U32(ico, entry + 8), image.size());
    }
    ASSERT_FALSE(image.empty()) << "no " << size << " pixel image";

    const std::size_t maskStride = (std::size_t(size) + 31) / 32 * 4;
    const std::size_t colourBytes = std::size_t(size) * size * 4;
    ASSERT_EQ(image.size(), kInfoHeaderSize + colourBytes + maskStride * size);
    EXPECT_EQ(U32(image, 0), kInfoHeaderSize);
    EXPECT_EQ(U32(image, 4), std::uint32_t(size));
    EXPECT_EQ(U32(image, 8), std::uint32_t(2 * size)) << "height counts colour image and mask";
    EXPECT_EQ(U16(image, 12), 1);
    EXPECT_EQ(U16(image, 14), 32);
    EXPECT_EQ(U32(image, 16), 0U);

    int opaque = 0;
    int clear = 0;
    int disagreements = 0;
    for (int row = 0; row < size; ++row) {
        for (int x = 0; x < size; ++x) {
            const std::uint8_t alpha =
                image[kInfoHeaderSize + (std::size_t(row) * size + x) * 4 + 3];
            const std::uint8_t maskByte =
                image[kInfoHeaderSize + colourBytes + row * maskStride + x / 8];
            const bool masked = (maskByte & (0x80 >> (x % 8))) != 0;
            opaque += alpha == 255 ? 1 : 0;
            clear += alpha == 0 ? 1 : 0;
            disagreements += masked != (alpha == 0) ? 1 : 0;
        }
    }
    EXPECT_EQ(disagreements, 0);
    EXPECT_GT(opaque, size * size / 2) << "the picture fills most of the icon";
    EXPECT_GT(clear, 0) << "the round icon leaves its corners transparent";
}

INSTANTIATE_TEST_SUITE_P(Sizes, AppIconImage, ::testing::Values(16, 32, 48));

}  // namespace
}  // namespace keldra::test
