// Packed DIBs, the form of compiled bitmap resources: every depth and layout the decoder
// takes, and damaged ones refused without a read outside their bytes.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <functional>
#include <vector>

#include "platform/gdi/image/BmpDecoder.h"

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
void Append32(Bytes& b, std::uint32_t v) {
    b.resize(b.size() + 4);
    Put32(b, b.size() - 4, v);
}

Bytes InfoHeader(int width, int height, int bits, std::uint32_t compression = 0,
                 std::uint32_t coloursUsed = 0) {
    Bytes b(40, 0);
    Put32(b, 0, 40);
    Put32(b, 4, static_cast<std::uint32_t>(width));
    Put32(b, 8, static_cast<std::uint32_t>(height));
    Put16(b, 12, 1);
    Put16(b, 14, static_cast<std::uint16_t>(bits));
    Put32(b, 16, compression);
    Put32(b, 32, coloursUsed);
    return b;
}

std::size_t Stride(int width, int bits) {
    return (static_cast<std::size_t>(width) * bits + 31) / 32 * 4;
}

// A DIB as the skin resources are: 24 or 32 bits, uncompressed; pixel (x, y) gets red x,
// green y, blue 7.
Bytes MakeDib(int width, int height, int bits = 24) {
    const int rows = height < 0 ? -height : height;
    const std::size_t stride = Stride(width, bits);
    Bytes b = InfoHeader(width, height, bits);
    b.resize(40 + stride * rows, 0);
    for (int dibRow = 0; dibRow < rows; ++dibRow) {
        const int y = height < 0 ? dibRow : rows - 1 - dibRow;
        for (int x = 0; x < width; ++x) {
            std::uint8_t* p = &b[40 + stride * dibRow + x * (bits / 8)];
            p[0] = 7;
            p[1] = static_cast<std::uint8_t>(y);
            p[2] = static_cast<std::uint8_t>(x);
        }
    }
    return b;
}

TEST(BmpDecoder, ReadsBottomUpTopDownAnd32BitImages) {
    for (const auto& [height, bits] : {std::pair{3, 24}, std::pair{-3, 24}, std::pair{3, 32}}) {
        const auto surface = BmpDecoder::Decode(MakeDib(5, height, bits));
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

// A palette image of 4 x 2 pixels at `bits` per pixel: the top row shows colours 0 1 2 3
// (indices above the table's size wrap to fit the depth), the bottom row 3 2 1 0. The
// table holds `colours` entries, entry i being RGB(10 * i, 100 + i, 200 - i).
Bytes MakePaletteDib(int bits, std::uint32_t coloursUsed, int colours) {
    Bytes b = InfoHeader(4, 2, bits, 0, coloursUsed);
    for (int i = 0; i < colours; ++i) {
        Append32(b, static_cast<std::uint32_t>(10 * i) << 16 | (100u + i) << 8 | (200u - i));
    }
    const unsigned top[4] = {0, 1, 2, 3};
    const unsigned bottom[4] = {3, 2, 1, 0};
    for (const unsigned* row : {bottom, top}) {  // stored bottom-up
        Bytes packed(Stride(4, bits), 0);
        for (int x = 0; x < 4; ++x) {
            const unsigned index = row[x] & ((1u << bits) - 1);
            const int bit = x * bits;
            packed[bit / 8] |= static_cast<std::uint8_t>(index << (8 - bits - bit % 8));
        }
        b.insert(b.end(), packed.begin(), packed.end());
    }
    return b;
}

Pixel PaletteColour(unsigned i) {
    return PixelFromRgb(static_cast<std::uint8_t>(10 * i), static_cast<std::uint8_t>(100 + i),
                        static_cast<std::uint8_t>(200 - i));
}

TEST(BmpDecoder, PaletteImagesLookTheirColoursUpAfterTheHeader) {
    struct Case {
        int bits;
        std::uint32_t coloursUsed;
        int colours;
    };
    for (const Case c :
         {Case{8, 0, 256}, Case{8, 4, 4}, Case{4, 0, 16}, Case{4, 5, 5}, Case{1, 0, 2}}) {
        SCOPED_TRACE(::testing::Message() << c.bits << " bits, " << c.colours << " colours");
        const auto surface = BmpDecoder::Decode(MakePaletteDib(c.bits, c.coloursUsed, c.colours));
        ASSERT_NE(surface, nullptr);
        const unsigned depthMask = (1u << c.bits) - 1;
        for (int x = 0; x < 4; ++x) {
            EXPECT_EQ(surface->At(x, 0), PaletteColour(static_cast<unsigned>(x) & depthMask));
            EXPECT_EQ(surface->At(x, 1), PaletteColour(static_cast<unsigned>(3 - x) & depthMask));
        }
    }
}

TEST(BmpDecoder, AnIndexPastAShortTableIsBlack) {
    const auto surface = BmpDecoder::Decode(MakePaletteDib(8, 2, 2));
    ASSERT_NE(surface, nullptr);
    EXPECT_EQ(surface->At(1, 0), PaletteColour(1));
    EXPECT_EQ(surface->At(2, 0), kBlack);
    EXPECT_EQ(surface->At(3, 0), kBlack);
}

TEST(BmpDecoder, DeepImagesSkipTheirOptionalColourTable) {
    // Two table entries of 0xEEEEEE before the bits; a reader that took them for pixels
    // would show that grey.
    Bytes b = InfoHeader(1, 1, 24, 0, 2);
    Append32(b, 0xEEEEEE);
    Append32(b, 0xEEEEEE);
    Append32(b, 0x00112233);  // blue 0x33, green 0x22, red 0x11, then padding
    const auto surface = BmpDecoder::Decode(b);
    ASSERT_NE(surface, nullptr);
    EXPECT_EQ(surface->At(0, 0), PixelFromRgb(0x11, 0x22, 0x33));
}

TEST(BmpDecoder, BitFieldImagesTakeTheirChannelsFromTheMasks) {
    // 32 bits with red in the low byte and blue in the high one.
    Bytes b32 = InfoHeader(2, 1, 32, 3);
    for (const std::uint32_t mask : {0x000000FFu, 0x0000FF00u, 0xFF000000u}) Append32(b32, mask);
    Append32(b32, 0x30201000u | 0x11);  // red 0x11, green 0x10, blue 0x30
    Append32(b32, 0xFF0000FFu);
    const auto surface32 = BmpDecoder::Decode(b32);
    ASSERT_NE(surface32, nullptr);
    EXPECT_EQ(surface32->At(0, 0), PixelFromRgb(0x11, 0x10, 0x30));
    EXPECT_EQ(surface32->At(1, 0), PixelFromRgb(0xFF, 0x00, 0xFF));

    // 16 bits, 5-6-5: full red, half green, no blue; and the 5-5-5 default of BI_RGB.
    Bytes b565 = InfoHeader(1, 1, 16, 3);
    for (const std::uint32_t mask : {0xF800u, 0x07E0u, 0x001Fu}) Append32(b565, mask);
    Append32(b565, 0xF800u | (32u << 5));
    const auto surface565 = BmpDecoder::Decode(b565);
    ASSERT_NE(surface565, nullptr);
    EXPECT_EQ(surface565->At(0, 0), PixelFromRgb(255, 130, 0));
    Bytes b555 = InfoHeader(1, 1, 16);
    Append32(b555, 0x001Fu);
    const auto surface555 = BmpDecoder::Decode(b555);
    ASSERT_NE(surface555, nullptr);
    EXPECT_EQ(surface555->At(0, 0), PixelFromRgb(0, 0, 255));
}

TEST(BmpDecoder, LastRowNeedsNoPadding) {
    Bytes dib = MakeDib(5, 2);  // stride 16, 15 bytes of pixels per row
    dib.pop_back();
    EXPECT_NE(BmpDecoder::Decode(dib), nullptr);
    dib.pop_back();  // now a pixel byte is missing
    EXPECT_EQ(BmpDecoder::Decode(dib), nullptr);
}

struct Damage {
    const char* name;
    std::function<void(Bytes&)> apply;
};

class MalformedDib : public ::testing::TestWithParam<Damage> {};

TEST_P(MalformedDib, GivesNull) {
    Bytes dib = MakeDib(6, 4);
    GetParam().apply(dib);
    EXPECT_EQ(BmpDecoder::Decode(dib), nullptr);
}

INSTANTIATE_TEST_SUITE_P(
    Damages, MalformedDib,
    ::testing::Values(Damage{"Empty", [](Bytes& b) { b.clear(); }},
                      Damage{"HeaderCut", [](Bytes& b) { b.resize(30); }},
                      Damage{"PixelsCut", [](Bytes& b) { b.resize(b.size() - 30); }},
                      Damage{"HeaderSizeTooSmall", [](Bytes& b) { Put32(b, 0, 12); }},
                      Damage{"HeaderSizePastEnd", [](Bytes& b) { Put32(b, 0, 0xFFFFFFF0u); }},
                      Damage{"ZeroWidth", [](Bytes& b) { Put32(b, 4, 0); }},
                      Damage{"NegativeWidth", [](Bytes& b) { Put32(b, 4, 0xFFFFFFFAu); }},
                      Damage{"ZeroHeight", [](Bytes& b) { Put32(b, 8, 0); }},
                      Damage{"MostNegativeHeight", [](Bytes& b) { Put32(b, 8, 0x80000000u); }},
                      Damage{"HugeSize",
                             [](Bytes& b) {
                                 Put32(b, 4, 0x7FFFFFFF);
                                 Put32(b, 8, 0x7FFFFFFF);
                             }},
                      Damage{"WidthPastPixels", [](Bytes& b) { Put32(b, 4, 60000); }},
                      Damage{"RunLengthCompressed", [](Bytes& b) { Put32(b, 16, 1); }},
                      Damage{"BitFieldsAt24Bits", [](Bytes& b) { Put32(b, 16, 3); }},
                      Damage{"TwelveBits", [](Bytes& b) { Put16(b, 14, 12); }},
                      Damage{"TwoPlanes", [](Bytes& b) { Put16(b, 12, 2); }},
                      Damage{"ColourTablePastEnd", [](Bytes& b) { Put32(b, 32, 0x40000000u); }},
                      Damage{"PaletteLargerThanDepthAllows",
                             [](Bytes& b) { b = MakePaletteDib(4, 17, 17); }},
                      Damage{"PaletteTableCut", [](Bytes& b) { b = MakePaletteDib(8, 0, 255); }},
                      Damage{"MasksCut",
                             [](Bytes& b) {
                                 b = InfoHeader(1, 1, 32, 3);
                                 Append32(b, 0xFF);
                             }},
                      Damage{"MaskWithAGap",
                             [](Bytes& b) {
                                 b = InfoHeader(1, 1, 32, 3);
                                 for (const std::uint32_t mask : {0x0F0Fu, 0xF000u, 0x00F0u})
                                     Append32(b, mask);
                                 Append32(b, 0);
                             }}),
    [](const auto& p) { return std::string(p.param.name); });

TEST(BmpDecoder, EveryTruncationIsRefusedOrReadInBounds) {
    // Run under the address sanitizer, any read past the given bytes fails this test.
    for (const Bytes& dib : {MakeDib(7, 3), MakePaletteDib(4, 3, 3)}) {
        for (std::size_t size = 0; size < dib.size(); ++size) {
            const Bytes cut(dib.begin(), dib.begin() + static_cast<std::ptrdiff_t>(size));
            const auto surface = BmpDecoder::Decode(cut);
            // Only the last row's padding may go.
            if (surface != nullptr) {
                EXPECT_GE(size, dib.size() - 3) << size;
            }
        }
    }
}

}  // namespace
}  // namespace keldra::platform::gdi
