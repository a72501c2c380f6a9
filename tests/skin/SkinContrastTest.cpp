// White text must stay readable wherever the program draws it on the skin: every label
// and check box of the three pages (their rectangles from the page layouts, in dialog
// units) and the captions of the command buttons and tabs. Readable means a contrast
// ratio of at least 4.5:1 against every pixel under the text.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <stdexcept>
#include <string>

#include "BmpImage.h"
#include "SkinResource.h"

namespace keldra::test {
namespace {

constexpr double kMinimumContrast = 4.5;

double Linear(std::uint8_t channel) {
    const double c = channel / 255.0;
    return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

double RelativeLuminance(Rgb p) {
    return 0.2126 * Linear(p.r) + 0.7152 * Linear(p.g) + 0.0722 * Linear(p.b);
}

double ContrastWithWhite(Rgb p) {
    return 1.05 / (RelativeLuminance(p) + 0.05);
}

struct Area {
    int left;
    int top;
    int right;  // exclusive
    int bottom;
};

struct Worst {
    double contrast = 100;
    int x = -1;
    int y = -1;
};

Worst WorstContrast(const BmpImage& image, Area area) {
    Worst worst;
    for (int y = std::max(area.top, 0); y < std::min(area.bottom, image.Height()); ++y) {
        for (int x = std::max(area.left, 0); x < std::min(area.right, image.Width()); ++x) {
            const double contrast = ContrastWithWhite(image.At(x, y));
            if (contrast < worst.contrast) worst = {contrast, x, y};
        }
    }
    return worst;
}

BmpImage Load(int id) {
    const auto image = BmpImage::Parse(SkinResource::Bytes(id, RT_BITMAP));
    if (!image) throw std::runtime_error("bitmap " + std::to_string(id) + " missing or damaged");
    return *image;
}

TEST(WhiteContrast, MeasuresTheWcagRatio) {
    EXPECT_NEAR(ContrastWithWhite({0, 0, 0}), 21.0, 1e-9);
    EXPECT_NEAR(ContrastWithWhite({255, 255, 255}), 1.0, 1e-9);
    EXPECT_NEAR(ContrastWithWhite({118, 118, 118}), 4.54, 0.01);
    EXPECT_LT(ContrastWithWhite({119, 119, 119}), kMinimumContrast + 0.05);
}

// ---- Page labels -----------------------------------------------------------------

// Dialog units to pixels with the fixed 6 x 13 base units, rounded half up.
int PixelsX(int units) {
    return (units * 6 + 2) / 4;
}
int PixelsY(int units) {
    return (units * 13 + 4) / 8;
}

struct PageText {
    int bitmap;
    int control;
    int x, y, width, height;  // dialog units
};

// Every static text and check box of the Graphic (153), Interface (154) and Sound (155)
// page layouts: the controls that paint their background with the page's brush and
// write white text on it.
constexpr PageText kPageTexts[] = {
    {153, 1006, 20, 18, 137, 8},   {153, 1002, 160, 42, 57, 18},  {153, 1003, 160, 65, 52, 18},
    {153, 1007, 40, 47, 84, 8},    {153, 1008, 19, 107, 137, 8},  {153, 1013, 27, 133, 87, 8},
    {153, 1014, 141, 133, 87, 8},  {153, 1018, 141, 183, 87, 8},  {153, 1017, 27, 183, 87, 8},
    {153, 1015, 27, 165, 27, 8},   {153, 1016, 103, 165, 32, 8},  {153, 1019, 19, 238, 137, 8},
    {153, 1038, 155, 261, 98, 10}, {153, 1031, 39, 283, 98, 10},  {153, 1030, 39, 261, 98, 10},
    {153, 1029, 155, 283, 98, 10}, {154, 1043, 19, 18, 129, 8},   {154, 1022, 39, 42, 84, 10},
    {154, 1023, 39, 66, 84, 10},   {154, 1024, 39, 90, 96, 10},   {154, 1044, 137, 44, 103, 8},
    {154, 1015, 137, 77, 22, 8},   {154, 1016, 223, 77, 22, 8},   {154, 1042, 19, 118, 129, 8},
    {154, 1026, 39, 139, 98, 10},  {154, 1027, 39, 162, 98, 10},  {154, 1028, 39, 185, 98, 10},
    {154, 1032, 39, 254, 98, 10},  {154, 1033, 39, 277, 98, 10},  {154, 1034, 155, 139, 98, 10},
    {154, 1035, 155, 162, 98, 10}, {154, 1036, 155, 185, 98, 10}, {154, 1037, 155, 208, 98, 10},
    {154, 1039, 155, 254, 98, 10}, {154, 1040, 155, 231, 98, 10}, {154, 1041, 155, 277, 98, 10},
    {154, 1021, 39, 208, 63, 10},  {154, 1020, 39, 231, 57, 10},  {155, 1028, 19, 19, 97, 8},
    {155, 1029, 34, 68, 73, 8},    {155, 1030, 34, 102, 73, 8},   {155, 1031, 34, 137, 73, 8},
    {155, 1015, 115, 52, 33, 8},   {155, 1016, 197, 52, 26, 8},   {155, 1032, 19, 200, 97, 8},
    {155, 1033, 39, 234, 75, 10},  {155, 1034, 155, 234, 75, 10}, {155, 1035, 39, 263, 75, 10},
};

class PageLabelContrast : public ::testing::TestWithParam<PageText> {};

TEST_P(PageLabelContrast, WhiteTextIsReadableOnEveryPixelUnderTheControl) {
    const PageText t = GetParam();
    const BmpImage page = Load(t.bitmap);
    const int left = PixelsX(t.x);
    const int top = PixelsY(t.y);
    // One pixel of slack all round covers either way of rounding the control's edges.
    const Area area{left - 1, top - 1, left + PixelsX(t.width) + 1, top + PixelsY(t.height) + 1};
    const Worst worst = WorstContrast(page, area);
    EXPECT_GE(worst.contrast, kMinimumContrast) << "at page pixel " << worst.x << "," << worst.y;
}

INSTANTIATE_TEST_SUITE_P(Pages, PageLabelContrast, ::testing::ValuesIn(kPageTexts),
                         [](const auto& row) {
                             return "Bitmap" + std::to_string(row.param.bitmap) + "Control" +
                                    std::to_string(row.param.control);
                         });

TEST(PageLabelTable, ConvertsDialogUnitsWithTheFixedBaseUnits) {
    EXPECT_EQ(PixelsX(280), 420);
    EXPECT_EQ(PixelsY(320), 520);
    EXPECT_EQ(PixelsX(137), 206);  // 205.5 rounds up
    EXPECT_EQ(PixelsY(107), 174);  // 173.875
    EXPECT_EQ(PixelsY(19), 31);    // 30.875
}

// ---- Button captions -------------------------------------------------------------

// Captions are drawn white, centred on one line, over the middle of the button images:
// everything inside the bevelled rim, at least as tall as a line of the dialog font.
struct CaptionArea {
    int bitmap;
    Area area;
};

constexpr CaptionArea kCaptions[] = {
    {156, {5, 6, 76, 25}}, {157, {5, 6, 76, 25}}, {158, {5, 6, 76, 25}},
    {161, {5, 5, 95, 22}}, {162, {5, 5, 95, 22}}, {163, {5, 5, 95, 22}},
};

class CaptionContrast : public ::testing::TestWithParam<CaptionArea> {};

TEST_P(CaptionContrast, WhiteCaptionIsReadableOnEveryPixelUnderIt) {
    const CaptionArea c = GetParam();
    const Worst worst = WorstContrast(Load(c.bitmap), c.area);
    EXPECT_GE(worst.contrast, kMinimumContrast) << "at pixel " << worst.x << "," << worst.y;
}

INSTANTIATE_TEST_SUITE_P(Buttons, CaptionContrast, ::testing::ValuesIn(kCaptions),
                         [](const auto& row) {
                             return "Bitmap" + std::to_string(row.param.bitmap);
                         });

}  // namespace
}  // namespace keldra::test
