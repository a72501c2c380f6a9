// Icons: icon groups and their pictures read safely from resources, and the program's icon
// loaded by id in every size.
#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <cstdint>
#include <vector>

#include "platform/gdi/image/IcoDecoder.h"
#include "platform/gdi/image/IconGroup.h"
#include "platform/gdi/image/PngWriter.h"
#include "platform/kernel/ScopedResource.h"
#include "platform/user/windows/UserState.h"

namespace keldra::platform::gdi {
namespace {

using Bytes = std::vector<std::uint8_t>;

void Put16(Bytes& b, unsigned v) {
    b.push_back(static_cast<std::uint8_t>(v));
    b.push_back(static_cast<std::uint8_t>(v >> 8));
}
void Put32(Bytes& b, std::uint32_t v) {
    Put16(b, v & 0xFFFF);
    Put16(b, v >> 16);
}

// An icon picture (RT_ICON) of 2 x 2 pixels at the given depth; the mask hides the
// bottom-right pixel.
Bytes TinyPicture(int bits) {
    Bytes image;
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
    return image;
}

// A 3 x 2 PNG picture: red, green, blue on top, a transparent row below.
Bytes PngPicture() {
    auto surface = Surface::Create(3, 2, PixelFormat::Colour);
    surface->Set(0, 0, PixelFromRgb(255, 0, 0));
    surface->Set(1, 0, PixelFromRgb(0, 255, 0));
    surface->Set(2, 0, PixelFromRgb(0, 0, 255));
    return PngWriter::Encode(*surface, Region(Rect{0, 0, 3, 1}));
}

struct GroupEntry {
    std::uint8_t side;
    std::uint16_t bits;
    std::uint16_t iconId;
};

Bytes Group(const std::vector<GroupEntry>& entries, unsigned count) {
    Bytes group;
    Put16(group, 0);
    Put16(group, 1);
    Put16(group, count);
    for (const GroupEntry& entry : entries) {
        group.insert(group.end(), {entry.side, entry.side, 0, 0});
        Put16(group, 1);
        Put16(group, entry.bits);
        Put32(group, 1000);
        Put16(group, entry.iconId);
    }
    return group;
}
Bytes Group(const std::vector<GroupEntry>& entries) {
    return Group(entries, static_cast<unsigned>(entries.size()));
}

TEST(IcoDecoder, ReadsPicturesTopDownWithAlphaAndMask) {
    const auto picture32 = IcoDecoder::Decode(TinyPicture(32));
    ASSERT_TRUE(picture32);
    EXPECT_EQ(picture32->argb,
              (std::vector<std::uint32_t>{0xFF778899, 0xFFAABBCC, 0x80112233, 0x00445566}));
    const auto picture24 = IcoDecoder::Decode(TinyPicture(24));
    ASSERT_TRUE(picture24);
    EXPECT_EQ(picture24->argb,
              (std::vector<std::uint32_t>{0xFF778899, 0xFFAABBCC, 0xFF112233, 0x00445566}));
}

TEST(IcoDecoder, ReadsPngPictures) {
    const auto picture = IcoDecoder::Decode(PngPicture());
    ASSERT_TRUE(picture);
    EXPECT_EQ(picture->width, 3);
    EXPECT_EQ(picture->height, 2);
    ASSERT_EQ(picture->argb.size(), 6u);
    EXPECT_EQ(std::vector(picture->argb.begin(), picture->argb.begin() + 3),
              (std::vector<std::uint32_t>{0xFFFF0000, 0xFF00FF00, 0xFF0000FF}));
    for (std::size_t i = 3; i < 6; ++i) EXPECT_EQ(picture->argb[i] >> 24, 0u) << i;
}

TEST(IcoDecoder, DamagedPicturesAreRefusedWithoutAStrayRead) {
    // A PNG cut only in its closing IEND chunk (12 bytes) still holds every pixel.
    constexpr std::size_t kPngEndChunk = 12;
    for (const auto& [good, harmlessCut] :
         {std::pair{TinyPicture(32), std::size_t{0}}, std::pair{PngPicture(), kPngEndChunk}}) {
        const auto whole = IcoDecoder::Decode(good);
        ASSERT_TRUE(whole);
        for (std::size_t size = 0; size < good.size(); ++size) {
            const Bytes cut(good.begin(), good.begin() + static_cast<std::ptrdiff_t>(size));
            const auto picture = IcoDecoder::Decode(cut);
            if (size < good.size() - harmlessCut) {
                EXPECT_FALSE(picture) << "cut at " << size;
            } else {
                ASSERT_TRUE(picture) << "cut at " << size;
                EXPECT_EQ(picture->argb, whole->argb) << "cut at " << size;
            }
        }
    }
    Bytes hugeWidth = TinyPicture(32);
    hugeWidth[5] = 0x10;  // width 4098
    EXPECT_FALSE(IcoDecoder::Decode(hugeWidth));
    Bytes eightBits = TinyPicture(32);
    eightBits[14] = 8;
    EXPECT_FALSE(IcoDecoder::Decode(eightBits));
}

TEST(IconGroup, ReadsTheEntriesNamingThePictures) {
    const auto entries = IconGroup::Read(Group({{16, 32, 1}, {0, 24, 7}}));
    ASSERT_EQ(entries.size(), 2u);
    EXPECT_EQ(entries[0].width, 16);
    EXPECT_EQ(entries[0].bitCount, 32);
    EXPECT_EQ(entries[0].iconId, 1);
    EXPECT_EQ(entries[1].width, 256) << "0 stands for 256";
    EXPECT_EQ(entries[1].height, 256);
    EXPECT_EQ(entries[1].bitCount, 24);
    EXPECT_EQ(entries[1].iconId, 7);
}

TEST(IconGroup, DamagedGroupsHaveNoEntries) {
    const Bytes good = Group({{16, 32, 1}, {32, 32, 2}});
    for (std::size_t size = 0; size < good.size(); ++size) {
        const Bytes cut(good.begin(), good.begin() + static_cast<std::ptrdiff_t>(size));
        EXPECT_TRUE(IconGroup::Read(cut).empty()) << "cut at " << size;
    }
    EXPECT_TRUE(IconGroup::Read(Group({{16, 32, 1}}, 3)).empty()) << "count past the entries";
    Bytes cursorGroup = good;
    cursorGroup[2] = 2;  // a cursor group
    EXPECT_TRUE(IconGroup::Read(cursorGroup).empty());
}

TEST(LoadIcon, TakesTheGroupsPicturesInOrderPassingOverMissingAndDamagedOnes) {
    const ScopedResource group(RT_GROUP_ICON, 900,
                               Group({{2, 24, 901}, {2, 32, 902}, {3, 32, 903}, {2, 32, 904}}));
    const ScopedResource first(RT_ICON, 901, TinyPicture(24));
    const ScopedResource third(RT_ICON, 903, PngPicture());
    Bytes damaged = TinyPicture(32);
    damaged.resize(damaged.size() - 1);
    const ScopedResource fourth(RT_ICON, 904, damaged);
    const HICON icon = LoadIcon(nullptr, MAKEINTRESOURCE(900));
    ASSERT_NE(icon, nullptr);
    const auto pictures = user::UserState::Require().Icons().Find(icon);
    ASSERT_NE(pictures, nullptr);
    ASSERT_EQ(pictures->size(), 2u);
    EXPECT_EQ((*pictures)[0].argb, IcoDecoder::Decode(TinyPicture(24))->argb);
    EXPECT_EQ((*pictures)[1].width, 3);
}

TEST(LoadIcon, AGroupWithoutAnyReadablePictureIsNoIcon) {
    const ScopedResource group(RT_GROUP_ICON, 910, Group({{2, 24, 911}}));
    EXPECT_EQ(LoadIcon(nullptr, MAKEINTRESOURCE(910)), nullptr);
    const ScopedResource notAGroup(RT_GROUP_ICON, 912, TinyPicture(24));
    EXPECT_EQ(LoadIcon(nullptr, MAKEINTRESOURCE(912)), nullptr);
}

TEST(ProgramIcon, LoadsInEverySizeAndIsShared) {
    const HICON icon = LoadIcon(nullptr, MAKEINTRESOURCE(128));
    ASSERT_NE(icon, nullptr);
    EXPECT_EQ(LoadIcon(nullptr, MAKEINTRESOURCE(128)), icon);
    const auto pictures = user::UserState::Require().Icons().Find(icon);
    ASSERT_NE(pictures, nullptr);
    std::vector<int> sizes;
    for (const IconImage& picture : *pictures) {
        EXPECT_EQ(picture.width, picture.height);
        sizes.push_back(picture.width);
    }
    EXPECT_EQ(sizes, (std::vector<int>{16, 32, 48}));
    EXPECT_EQ(LoadIcon(nullptr, MAKEINTRESOURCE(129)), nullptr);
    EXPECT_TRUE(DestroyIcon(icon));
}

}  // namespace
}  // namespace keldra::platform::gdi
