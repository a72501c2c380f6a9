#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <functional>
#include <vector>

#include "platform/gdi/BmpDecoder.h"

namespace keldra::platform::gdi {
namespace {

using Bytes = std::vector<std::uint8_t>;

void Put32(Bytes& b, std::size_t at, std::uint32_t v) {
    for (int i = 0; i < 4; ++i) b[at + i] = static_cast<std::uint8_t>(v >> (8 * i));
}
void Put16(Bytes& b, std::size_t at, std::uint16_t v) {
    b[at] = static_cast<std::uint8_t>(v);
    b[at + 1] = static_cast<std::uint8_t>(v >> 8);
}

// A .bmp file as the skin resources are: 24 bits, uncompressed; pixel (x, y) gets
// red x, green y, blue 7.
Bytes MakeBmp(int width, int height, int bits = 24) {
    const int rows = height < 0 ? -height : height;
    const std::size_t stride = (static_cast<std::size_t>(width) * bits + 31) / 32 * 4;
    Bytes b(54 + stride * rows, 0);
    b[0] = 'B';
    b[1] = 'M';
    Put32(b, 2, static_cast<std::uint32_t>(b.size()));
    Put32(b, 10, 54);
    Put32(b, 14, 40);
    Put32(b, 18, static_cast<std::uint32_t>(width));
    Put32(b, 22, static_cast<std::uint32_t>(height));
    Put16(b, 26, 1);
    Put16(b, 28, static_cast<std::uint16_t>(bits));
    for (int fileRow = 0; fileRow < rows; ++fileRow) {
        const int y = height < 0 ? fileRow : rows - 1 - fileRow;
        for (int x = 0; x < width; ++x) {
            std::uint8_t* p = &b[54 + stride * fileRow + x * (bits / 8)];
            p[0] = 7;
            p[1] = static_cast<std::uint8_t>(y);
            p[2] = static_cast<std::uint8_t>(x);
        }
    }
    return b;
}

TEST(BmpDecoder, ReadsBottomUpTopDownAnd32BitFiles) {
    for (const auto& [height, bits] : {std::pair{3, 24}, std::pair{-3, 24}, std::pair{3, 32}}) {
        const auto surface = BmpDecoder::Decode(MakeBmp(5, height, bits));
        ASSERT_NE(surface, nullptr) << height << " " << bits;
        EXPECT_EQ(surface->Width(), 5);
        EXPECT_EQ(surface->Height(), 3);
        EXPECT_FALSE(surface->IsMonochrome());
        for (int y = 0; y < 3; ++y) {
            for (int x = 0; x < 5; ++x)
                EXPECT_EQ(surface->At(x, y), PixelFromColorRef(RGB(x, y, 7)));
        }
    }
}

TEST(BmpDecoder, LastRowNeedsNoPadding) {
    Bytes file = MakeBmp(5, 2);  // stride 16, 15 bytes of pixels per row
    file.pop_back();
    EXPECT_NE(BmpDecoder::Decode(file), nullptr);
    file.pop_back();  // now a pixel byte is missing
    EXPECT_EQ(BmpDecoder::Decode(file), nullptr);
}

struct Damage {
    const char* name;
    std::function<void(Bytes&)> apply;
};

class MalformedBmp : public ::testing::TestWithParam<Damage> {};

TEST_P(MalformedBmp, GivesNull) {
    Bytes file = MakeBmp(6, 4);
    GetParam().apply(file);
    EXPECT_EQ(BmpDecoder::Decode(file), nullptr);
}

INSTANTIATE_TEST_SUITE_P(
    Damages, MalformedBmp,
    ::testing::Values(Damage{"Empty", [](Bytes& b) { b.clear(); }},
                      Damage{"HeaderOnly", [](Bytes& b) { b.resize(30); }},
                      Damage{"WrongMagic", [](Bytes& b) { b[0] = 'P'; }},
                      Damage{"PixelsCut", [](Bytes& b) { b.resize(b.size() - 30); }},
                      Damage{"InfoSizeTooSmall", [](Bytes& b) { Put32(b, 14, 12); }},
                      Damage{"InfoSizePastEnd", [](Bytes& b) { Put32(b, 14, 0xFFFFFFF0u); }},
                      Damage{"OffsetPastEnd", [](Bytes& b) { Put32(b, 10, 0xFFFFFFFFu); }},
                      Damage{"OffsetInsideHeader", [](Bytes& b) { Put32(b, 10, 20); }},
                      Damage{"ZeroWidth", [](Bytes& b) { Put32(b, 18, 0); }},
                      Damage{"NegativeWidth", [](Bytes& b) { Put32(b, 18, 0xFFFFFFFAu); }},
                      Damage{"ZeroHeight", [](Bytes& b) { Put32(b, 22, 0); }},
                      Damage{"MostNegativeHeight", [](Bytes& b) { Put32(b, 22, 0x80000000u); }},
                      Damage{"HugeSize",
                             [](Bytes& b) {
                                 Put32(b, 18, 0x7FFFFFFF);
                                 Put32(b, 22, 0x7FFFFFFF);
                             }},
                      Damage{"WidthPastPixels", [](Bytes& b) { Put32(b, 18, 60000); }},
                      Damage{"Compressed", [](Bytes& b) { Put32(b, 30, 1); }},
                      Damage{"EightBits", [](Bytes& b) { Put16(b, 28, 8); }},
                      Damage{"TwoPlanes", [](Bytes& b) { Put16(b, 26, 2); }}),
    [](const auto& p) { return std::string(p.param.name); });

TEST(BmpDecoder, EveryTruncationIsRefusedOrReadInBounds) {
    // Run under the address sanitizer, any read past the given bytes fails this test.
    const Bytes file = MakeBmp(7, 3);
    for (std::size_t size = 0; size < file.size(); ++size) {
        const Bytes cut(file.begin(), file.begin() + static_cast<std::ptrdiff_t>(size));
        const auto surface = BmpDecoder::Decode(cut);
        // Rows are 21 bytes of pixels padded to 24; only the last row's padding may go.
        if (surface != nullptr) {
            EXPECT_GE(size, file.size() - 3) << size;
        }
    }
}

}  // namespace
}  // namespace keldra::platform::gdi
