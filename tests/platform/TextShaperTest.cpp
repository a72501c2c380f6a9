// Lines of text as a reader of each script expects them: right-to-left words in their order,
// Arabic letters joined as HarfBuzz's own hb-shape joins them, marks over their bases, and
// the scripts Windows draws one character at a time left exactly as they are drawn today.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <numeric>
#include <string>
#include <vector>

#include "platform/gdi/state/GdiState.h"
#include "platform/gdi/text/FontCatalog.h"
#include "platform/gdi/text/FontFace.h"
#include "platform/gdi/text/TextShaper.h"

namespace keldra::platform::gdi {
namespace {

const std::filesystem::path kNoto = "/usr/share/fonts/truetype/noto";

struct FreeTypeLibraryOwner {
    FreeTypeLibraryOwner() { FT_Init_FreeType(&library); }
    ~FreeTypeLibraryOwner() { FT_Done_FreeType(library); }
    FT_Library library = nullptr;
};

// The faces of one font file at the dialog's em, without fallbacks.
class OneFontFile {
  public:
    explicit OneFontFile(const std::filesystem::path& file)
        : fonts_(owner_.library, FontRequest{},
                 FontFace::Open(owner_.library, file.string(), 0, FontRequest::kDialogEmPixels),
                 nullptr) {}
    FontFaceSet& Fonts() { return fonts_; }

  private:
    FreeTypeLibraryOwner owner_;
    FontFaceSet fonts_;
};

FontFaceSet& DialogFonts() {
    FontFaceSet* fonts = GdiState::Require().Fonts().Fonts(FontRequest{});
    EXPECT_NE(fonts, nullptr) << "no font installed";
    return *fonts;
}

// Where each glyph's pen stands, left to right.
std::vector<int> PenPositions(const std::vector<ShapedGlyph>& glyphs) {
    std::vector<int> pens;
    int pen = 0;
    for (const ShapedGlyph& glyph : glyphs) {
        pens.push_back(pen);
        pen += glyph.advance;
    }
    return pens;
}

int Width(const std::vector<ShapedGlyph>& glyphs) {
    return std::accumulate(glyphs.begin(), glyphs.end(), 0,
                           [](int sum, const ShapedGlyph& g) { return sum + g.advance; });
}

std::vector<int> Clusters(const std::vector<ShapedGlyph>& glyphs) {
    std::vector<int> clusters;
    for (const ShapedGlyph& glyph : glyphs) clusters.push_back(glyph.cluster);
    return clusters;
}

std::vector<unsigned> GlyphIndexes(const std::vector<ShapedGlyph>& glyphs) {
    std::vector<unsigned> indexes;
    for (const ShapedGlyph& glyph : glyphs) indexes.push_back(glyph.glyphIndex);
    return indexes;
}

// The glyph indexes HarfBuzz's own command-line shaper gives for the text in that font.
std::vector<unsigned> HbShapeGlyphs(const std::filesystem::path& font, const std::string& utf8) {
    // The size and features the shaper uses: the dialog's em, the script's own features.
    const std::string command =
        "hb-shape --font-size=11 --no-positions --no-clusters "
        "--no-glyph-names '" +
        font.string() + "' '" + utf8 + "'";
    std::unique_ptr<FILE, int (*)(FILE*)> pipe(popen(command.c_str(), "r"), pclose);
    std::string output;
    char chunk[256];
    while (pipe && fgets(chunk, sizeof chunk, pipe.get()) != nullptr) output += chunk;
    std::vector<unsigned> glyphs;
    unsigned value = 0;
    bool inNumber = false;
    for (const char c : output) {
        if (c >= '0' && c <= '9') {
            value = value * 10 + static_cast<unsigned>(c - '0');
            inNumber = true;
        } else if (inNumber) {
            glyphs.push_back(value);
            value = 0;
            inNumber = false;
        }
    }
    EXPECT_FALSE(glyphs.empty()) << command << " gave: " << output;
    return glyphs;
}

TEST(TextShaper, AHebrewWordInsideALatinCaptionReadsRightToLeft) {
    TextShaper shaper(DialogFonts());
    // "abc " then alef, bet, gimel, dalet, then " xyz".
    const std::u32string line = U"abc \u05D0\u05D1\u05D2\u05D3 xyz";
    const auto glyphs = shaper.Shape(line);
    EXPECT_EQ(Clusters(glyphs), (std::vector<int>{0, 1, 2, 3, 7, 6, 5, 4, 8, 9, 10, 11}));
    const auto pens = PenPositions(glyphs);
    // The first letter the writer typed (alef, cluster 4) stands right of the last (dalet).
    const auto at = [&](int cluster) {
        for (std::size_t i = 0; i < glyphs.size(); ++i)
            if (glyphs[i].cluster == cluster) return pens[i];
        return -1;
    };
    EXPECT_GT(at(4), at(7));
    EXPECT_LT(at(2), at(7)) << "the Latin before the word stays left of it";
    EXPECT_GT(at(9), at(4)) << "the Latin after the word stays right of it";
}

TEST(TextShaper, ARightToLeftParagraphPutsItsFirstWordAtTheRight) {
    TextShaper shaper(DialogFonts());
    const std::u32string line = U"\u05D0\u05D1\u05D2 abc";
    EXPECT_EQ(Clusters(shaper.Shape(line, true)), (std::vector<int>{4, 5, 6, 3, 2, 1, 0}));
    EXPECT_EQ(Clusters(shaper.Shape(line, false)), (std::vector<int>{2, 1, 0, 3, 4, 5, 6}));
}

TEST(TextShaper, ArabicLettersJoinAsHarfBuzzJoinsThem) {
    const std::filesystem::path font = kNoto / "NotoSansArabic-Regular.ttf";
    ASSERT_TRUE(std::filesystem::exists(font)) << font << ": run scripts/install-deps.sh";
    OneFontFile file(font);
    TextShaper shaper(file.Fonts());
    const std::u32string word = U"\u0633\u0644\u0627\u0645";  // salaam
    const auto glyphs = shaper.Shape(word);
    EXPECT_EQ(GlyphIndexes(glyphs), HbShapeGlyphs(font, "\u0633\u0644\u0627\u0645"));
    int isolated = 0;
    for (const char32_t letter : word) isolated += Width(shaper.Shape(std::u32string(1, letter)));
    EXPECT_LT(Width(glyphs), isolated) << "joined letters are narrower than their isolated forms";
}

TEST(TextShaper, DevanagariAndThaiClustersAreShapedAsHarfBuzzShapesThem) {
    struct Case {
        const char* font;
        std::u32string text;
        const char* utf8;
    };
    const Case cases[] = {
        {"NotoSansDevanagari-Regular.ttf", U"\u0915\u093F\u0924\u093E\u092C",
         "\u0915\u093F\u0924\u093E\u092C"},
        {"NotoSansThai-Regular.ttf", U"\u0E17\u0E35\u0E48", "\u0E17\u0E35\u0E48"},
    };
    for (const Case& c : cases) {
        const std::filesystem::path font = kNoto / c.font;
        ASSERT_TRUE(std::filesystem::exists(font)) << font << ": run scripts/install-deps.sh";
        OneFontFile file(font);
        TextShaper shaper(file.Fonts());
        EXPECT_EQ(GlyphIndexes(shaper.Shape(c.text)), HbShapeGlyphs(font, c.utf8)) << c.font;
    }
}

TEST(TextShaper, ThaiDevanagariAndArabicMarksSitOverTheirBase) {
    struct Case {
        const char* font;
        std::u32string cluster;  // a base and the marks above it (a font may join the marks)
    };
    const Case cases[] = {
        // tho thahan with sara ii and mai ek
        {"NotoSansThai-Regular.ttf", U"\u0E17\u0E35\u0E48"},
        // ka with the vowel sign e and anusvara
        {"NotoSansDevanagari-Regular.ttf", U"\u0915\u0947\u0902"},
        // beh with fatha, placed by the font's mark positioning
        {"NotoSansArabic-Regular.ttf", U"\u0628\u064E"},
    };
    for (const Case& c : cases) {
        OneFontFile file(kNoto / c.font);
        TextShaper shaper(file.Fonts());
        const auto glyphs = shaper.Shape(c.cluster);
        ASSERT_GE(glyphs.size(), 2u) << c.font << ": the marks are glyphs of their own";
        const auto pens = PenPositions(glyphs);
        // The base is the glyph that moves the pen (in right-to-left text it comes last).
        const auto b = static_cast<std::size_t>(
            std::max_element(
                glyphs.begin(), glyphs.end(),
                [](const ShapedGlyph& x, const ShapedGlyph& y) { return x.advance < y.advance; }) -
            glyphs.begin());
        const Glyph base = glyphs[b].face->RenderGlyph(glyphs[b].glyphIndex);
        const int baseLeft = pens[b] + glyphs[b].offsetX + base.left;
        for (std::size_t i = 0; i < glyphs.size(); ++i) {
            if (i == b) continue;
            const Glyph mark = glyphs[i].face->RenderGlyph(glyphs[i].glyphIndex);
            const int left = pens[i] + glyphs[i].offsetX + mark.left;
            EXPECT_EQ(glyphs[i].cluster, 0) << c.font << " mark " << i;
            EXPECT_EQ(glyphs[i].advance, 0) << c.font << " mark " << i << " moves the pen";
            EXPECT_GE(left, baseLeft - 1) << c.font << " mark " << i;
            EXPECT_LE(left + mark.width, baseLeft + base.width + 1) << c.font << " mark " << i;
            EXPECT_GT(glyphs[i].offsetY + mark.top, 0) << c.font << " mark " << i << " above";
        }
    }
}

// Windows draws these one character at a time, with no kerning and no ligatures; so must the
// shaper, glyph for glyph and pixel for pixel.
TEST(TextShaper, ScriptsDrawnOneCharacterAtATimeKeepTheirGlyphsAndAdvances) {
    FontFaceSet& fonts = DialogFonts();
    TextShaper shaper(fonts);
    std::u32string ascii;
    for (char32_t c = U'!'; c <= U'~'; ++c) ascii += c;
    const std::u32string lines[] = {
        ascii,
        U"AVAWAY To fi ffl Wo. \u00C0\u00E9\u00F1\u00DF\u00FC",
        U"\u0395\u03BB\u03BB\u03B7\u03BD\u03B9\u03BA\u03AC",        // Greek
        U"\u041A\u0438\u0440\u0438\u043B\u043B\u0438\u0446\u0430",  // Cyrillic
        U"\uD55C\uAD6D\uC5B4 123 abc",                              // Korean, digits, Latin
        U"\u4E2D\u6587 \u65E5\u672C\u8A9E\u304B\u306A",             // Chinese and Japanese
    };
    for (const std::u32string& alone : lines) {
        // Alone, and followed by a Hebrew word, which makes the whole line go through
        // HarfBuzz: the characters before it must come out the same either way.
        for (const std::u32string& line : {alone, alone + U" \u05D0\u05D1"}) {
            const auto glyphs = shaper.Shape(line);
            ASSERT_EQ(glyphs.size(), line.size());
            for (std::size_t i = 0; i < alone.size(); ++i) {
                const char32_t c = line[i];
                EXPECT_EQ(glyphs[i].cluster, static_cast<int>(i));
                EXPECT_EQ(glyphs[i].face, &fonts.FaceFor(c)) << i;
                EXPECT_EQ(glyphs[i].glyphIndex, FT_Get_Char_Index(fonts.FaceFor(c).Handle(), c))
                    << i;
                EXPECT_EQ(glyphs[i].advance, fonts.Advance(c)) << "character " << i;
                EXPECT_EQ(glyphs[i].offsetX, 0);
                EXPECT_EQ(glyphs[i].offsetY, 0);
            }
        }
    }
}

TEST(TextShaper, AnEmptyLineHasNoGlyphs) {
    TextShaper shaper(DialogFonts());
    EXPECT_TRUE(shaper.Shape(U"").empty());
}

}  // namespace
}  // namespace keldra::platform::gdi
