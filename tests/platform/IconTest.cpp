// Icons: .ico files read safely, and the program's icon loaded by id in every size.
#include <gtest/gtest.h>
#include <windows.h>

#include <cstdint>
#include <vector>

#include "platform/gdi/IcoDecoder.h"
#include "platform/user/IconTable.h"

namespace keldra::platform::gdi {
namespace {

void Put16(std::vector<std::uint8_t>& b, unsigned v) {
    b.push_back(static_cast<std::uint8_t>(v));
    b.push_back(static_cast<std::uint8_t>(v >> 8));
}
void Put32(std::vector<std::uint8_t>& b, std::uint32_t v) {
    Put16(b, v & 0xFFFF);
    Put16(b, v >> 16);
}

// A one-picture icon of 2 x 2 pixels at the given depth; the mask hides the bottom-right pixel.
std::vector<std::uint8_t> TinyIcon(int bits) {
    std::vector<std::uint8_t> image;
    Put32(image, 40);
    Put32(image, 2);
    Put32(image, 4);  // image and mask
    Put16(image, 1);
    Put16(image, static_cast<unsigned>(bits));
    for (int i = 0; i < 6; ++i) Put32(image, 0);
    const std::uint32_t bottomRow[2] = {0x80112233, 0x80445566};  // stored first: bottom-up
    const std::uint32_t topRow[2] = {0xFF778899, 0xFFAABBCC};
    for (const auto* row : {bottomRow, topRow}) {
        std::size_t written = 0;
        for (int x = 0; x < 2; ++x) {
            for (int byte = 0; byte < bits / 8; ++byte)
                image.push_back(static_cast<std::uint8_t>(row[x] >> (8 * byte)));
            written += static_cast<std::size_t>(bits / 8);
        }
        for (; written % 4 != 0; ++written) image.push_back(0);
    }
    Put32(image, 0x00000040);  // bottom row's mask: bit 6 of the first byte hides x = 1
    Put32(image, 0);
    std::vector<std::uint8_t> file;
    Put16(file, 0);
    Put16(file, 1);
    Put16(file, 1);
    file.insert(file.end(), {2, 2, 0, 0});
    Put16(file, 1);
    Put16(file, static_cast<unsigned>(bits));
    Put32(file, static_cast<std::uint32_t>(image.size()));
    Put32(file, 22);
    file.insert(file.end(), image.begin(), image.end());
    return file;
}

TEST(IcoDecoder, ReadsPicturesTopDownWithAlphaAndMask) {
    const auto pictures32 = IcoDecoder::Decode(TinyIcon(32));
    ASSERT_EQ(pictures32.size(), 1u);
    EXPECT_EQ(pictures32[0].argb,
              (std::vector<std::uint32_t>{0xFF778899, 0xFFAABBCC, 0x80112233, 0x00445566}));
    const auto pictures24 = IcoDecoder::Decode(TinyIcon(24));
    ASSERT_EQ(pictures24.size(), 1u);
    EXPECT_EQ(pictures24[0].argb,
              (std::vector<std::uint32_t>{0xFF778899, 0xFFAABBCC, 0xFF112233, 0x00445566}));
}

TEST(IcoDecoder, DamagedFilesGiveNoPictureAndNoStrayRead) {
    const std::vector<std::uint8_t> good = TinyIcon(32);
    for (std::size_t size = 0; size < good.size(); ++size) {
        const std::vector<std::uint8_t> cut(good.begin(),
                                            good.begin() + static_cast<std::ptrdiff_t>(size));
        EXPECT_TRUE(IcoDecoder::Decode(cut).empty()) << "cut at " << size;
    }
    std::vector<std::uint8_t> hugeCount = good;
    hugeCount[4] = 0xFF;  // 255 entries announced, one present
    EXPECT_TRUE(IcoDecoder::Decode(hugeCount).empty());
    std::vector<std::uint8_t> farOffset = good;
    farOffset[18] = 0xFF;  // image offset beyond the file
    EXPECT_TRUE(IcoDecoder::Decode(farOffset).empty());
    std::vector<std::uint8_t> hugeWidth = good;
    hugeWidth[22 + 5] = 0x10;  // width 4098
    EXPECT_TRUE(IcoDecoder::Decode(hugeWidth).empty());
}

TEST(ProgramIcon, LoadsInEverySizeAndIsShared) {
    const HICON icon = LoadIcon(nullptr, MAKEINTRESOURCE(128));
    ASSERT_NE(icon, nullptr);
    EXPECT_EQ(LoadIcon(nullptr, MAKEINTRESOURCE(128)), icon);
    const auto pictures = user::IconTable::Instance().Find(icon);
    ASSERT_NE(pictures, nullptr);
    std::vector<int> sizes;
    for (const IconImage& picture : *pictures) {
        EXPECT_EQ(picture.width, picture.height);
        sizes.push_back(picture.width);
    }
    std::sort(sizes.begin(), sizes.end());
    EXPECT_EQ(sizes, (std::vector<int>{16, 32, 48}));
    EXPECT_EQ(LoadIcon(nullptr, MAKEINTRESOURCE(129)), nullptr);
    EXPECT_TRUE(DestroyIcon(icon));
}

}  // namespace
}  // namespace keldra::platform::gdi
