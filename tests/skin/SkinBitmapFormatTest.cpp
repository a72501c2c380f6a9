// Every skin bitmap is embedded, has its catalogue size and is stored the way the window
// layer and the platform's bitmap reader expect: 24-bit, uncompressed, bottom-up.
#include <gtest/gtest.h>

#include "BmpImage.h"
#include "SkinResource.h"

namespace keldra::test {
namespace {

struct CatalogueEntry {
    int id;
    int width;
    int height;
};

class SkinBitmapFormat : public ::testing::TestWithParam<CatalogueEntry> {};

TEST_P(SkinBitmapFormat, IsEmbeddedWithItsSizeAsUncompressedBottomUp24Bit) {
    const CatalogueEntry entry = GetParam();
    const auto bytes = SkinResource::Bytes(entry.id, RT_BITMAP);
    ASSERT_FALSE(bytes.empty()) << "bitmap " << entry.id << " is not embedded";
    const auto image = BmpImage::Parse(bytes);
    ASSERT_TRUE(image.has_value()) << "bitmap " << entry.id << " is not a whole DIB";
    EXPECT_EQ(image->Width(), entry.width);
    EXPECT_EQ(image->StoredHeight(), entry.height) << "height must be positive (bottom-up)";
    EXPECT_EQ(image->Planes(), 1);
    EXPECT_EQ(image->BitsPerPixel(), 24);
    EXPECT_EQ(image->Compression(), 0U) << "must be BI_RGB";
}

INSTANTIATE_TEST_SUITE_P(
    Catalogue, SkinBitmapFormat,
    ::testing::Values(
        CatalogueEntry{152, 456, 653}, CatalogueEntry{153, 420, 520}, CatalogueEntry{154, 420, 520},
        CatalogueEntry{155, 420, 520}, CatalogueEntry{156, 81, 31}, CatalogueEntry{157, 81, 31},
        CatalogueEntry{158, 81, 31}, CatalogueEntry{159, 163, 25}, CatalogueEntry{160, 17, 25},
        CatalogueEntry{161, 100, 25}, CatalogueEntry{162, 100, 25}, CatalogueEntry{163, 100, 26},
        CatalogueEntry{164, 26, 20}, CatalogueEntry{165, 26, 20}, CatalogueEntry{166, 26, 20},
        CatalogueEntry{167, 26, 20}, CatalogueEntry{168, 26, 20}, CatalogueEntry{169, 26, 20}),
    [](const auto& row) { return "Bitmap" + std::to_string(row.param.id); });

TEST(SkinBitmapReader, RefusesTruncatedOrForeignBytes) {
    const auto bytes = SkinResource::Bytes(160, RT_BITMAP);
    ASSERT_FALSE(bytes.empty());
    EXPECT_FALSE(BmpImage::Parse(bytes.first(bytes.size() - 1)).has_value());
    EXPECT_FALSE(BmpImage::Parse(bytes.first(40)).has_value());
    EXPECT_FALSE(BmpImage::Parse(SkinResource::Bytes(137, L"ini")).has_value());
}

}  // namespace
}  // namespace keldra::test
