#include <fontconfig/fontconfig.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "GdiTestSupport.h"

namespace keldra::platform::gdi::testing {
namespace {

constexpr COLORREF kPaper = RGB(255, 255, 255);

struct Ink {
    int left = 1 << 20, top = 1 << 20, right = -1, bottom = -1;  // right/bottom exclusive
    int pixels = 0;
    bool Any() const { return pixels > 0; }
};

// A white bitmap with a memory context on it, black text, transparent background.
class Canvas {
  public:
    Canvas(int width, int height) : bitmap_(NewColourBitmap(width, height, kPaper)), dc_(bitmap_) {
        SetBkMode(dc_, TRANSPARENT);
    }
    HDC dc() const { return dc_; }
    int Draw(const std::wstring& text, RECT rect, UINT format) {
        return DrawText(dc_, text.c_str(), -1, &rect, format);
    }
    // The box around every pixel that is no longer paper.
    Ink InkIn(const Rect& area) const {
        Ink ink;
        const Surface& s = *SurfaceOf(bitmap_);
        const Rect r = area.Intersect(s.Bounds());
        for (int y = r.top; y < r.bottom; ++y) {
            for (int x = r.left; x < r.right; ++x) {
                if (s.At(x, y) == PixelFromColorRef(kPaper)) continue;
                ++ink.pixels;
                ink.left = std::min(ink.left, x);
                ink.top = std::min(ink.top, y);
                ink.right = std::max(ink.right, x + 1);
                ink.bottom = std::max(ink.bottom, y + 1);
            }
        }
        return ink;
    }
    Ink AllInk() const { return InkIn(SurfaceOf(bitmap_)->Bounds()); }
    std::vector<Pixel> Pixels() const {
        const Surface& s = *SurfaceOf(bitmap_);
        std::vector<Pixel> all;
        for (int y = 0; y < s.Height(); ++y)
            all.insert(all.end(), s.Row(y).begin(), s.Row(y).end());
        return all;
    }

  private:
    Owned<HBITMAP> bitmap_;
    MemoryDc dc_;
};

SIZE Extent(HDC dc, const std::wstring& text) {
    SIZE size{};
    GetTextExtentPoint32(dc, text.c_str(), static_cast<int>(text.size()), &size);
    return size;
}

TEST(TextDrawing, CentredSingleLineInkIsInsideAndCentred) {
    Canvas canvas(101, 31);
    const RECT rect{0, 0, 101, 31};
    const int result = canvas.Draw(L"HIH", rect, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    const Ink ink = canvas.AllInk();
    ASSERT_TRUE(ink.Any());
    EXPECT_GE(ink.left, 0);
    EXPECT_LE(ink.right, 101);
    const int leftMargin = ink.left, rightMargin = 101 - ink.right;
    EXPECT_LE(std::abs(leftMargin - rightMargin), 1) << leftMargin << " vs " << rightMargin;
    const int topMargin = ink.top, bottomMargin = 31 - ink.bottom;
    EXPECT_LE(std::abs(topMargin - bottomMargin), 3) << topMargin << " vs " << bottomMargin;
    // With DT_VCENTER the answer is where the line ends, measured from the top.
    const int lineHeight = Extent(canvas.dc(), L"HIH").cy;
    EXPECT_EQ(result, (31 - lineHeight) / 2 + lineHeight);
}

TEST(TextDrawing, InkIsTheTextColourBlendedOverThePaper) {
    Canvas canvas(60, 20);
    SetTextColor(canvas.dc(), RGB(0, 0, 0));
    canvas.Draw(L"HIH", {0, 0, 60, 20}, DT_SINGLELINE);
    bool fullInk = false, partialInk = false;
    for (const Pixel p : canvas.Pixels()) {
        ASSERT_TRUE(RedOf(p) == GreenOf(p) && GreenOf(p) == BlueOf(p)) << std::hex << p;
        fullInk |= p == kBlack;
        partialInk |= p != kBlack && p != kWhite;
    }
    EXPECT_TRUE(fullInk) << "hinted stems are solid";
    EXPECT_TRUE(partialInk) << "edges are anti-aliased";
}

TEST(TextDrawing, OpaqueModeFillsTheTextBoxWithTheBackgroundColour) {
    for (const int mode : {OPAQUE, TRANSPARENT}) {
        Canvas canvas(60, 20);
        SetBkMode(canvas.dc(), mode);
        SetBkColor(canvas.dc(), RGB(255, 0, 0));
        canvas.Draw(L"a b", {5, 2, 60, 20}, DT_SINGLELINE);
        const SIZE size = Extent(canvas.dc(), L"a b");
        const Ink ink = canvas.AllInk();
        if (mode == OPAQUE) {
            EXPECT_EQ(ink.left, 5);
            EXPECT_EQ(ink.top, 2);
            EXPECT_EQ(ink.right, 5 + size.cx);
            EXPECT_EQ(ink.bottom, 2 + size.cy);
        } else {
            EXPECT_GE(ink.left, 5);
            EXPECT_LT(ink.pixels, size.cx * size.cy / 2) << "paper shows around the glyphs";
        }
    }
}

TEST(TextDrawing, ClipsToTheRectangleUnlessNoClip) {
    const std::wstring text = L"A rather long caption that cannot fit";
    Canvas clipped(200, 20), unclipped(200, 20);
    const RECT rect{10, 0, 40, 20};
    clipped.Draw(text, rect, DT_LEFT | DT_SINGLELINE);
    unclipped.Draw(text, rect, DT_LEFT | DT_SINGLELINE | DT_NOCLIP);
    const Ink inside = clipped.AllInk();
    ASSERT_TRUE(inside.Any());
    EXPECT_GE(inside.left, 10);
    EXPECT_LE(inside.right, 40);
    EXPECT_GT(unclipped.AllInk().right, 100);
}

TEST(TextDrawing, ClipsToTheContextClipRegionToo) {
    Canvas canvas(100, 20);
    IntersectClipRect(canvas.dc(), 0, 0, 20, 20);
    canvas.Draw(L"HHHHHHHHHH", {0, 0, 100, 20}, DT_SINGLELINE | DT_NOCLIP);
    const Ink ink = canvas.AllInk();
    ASSERT_TRUE(ink.Any());
    EXPECT_LE(ink.right, 20);
}

TEST(TextDrawing, RightAlignmentEndsAtTheRightEdge) {
    Canvas canvas(100, 20);
    canvas.Draw(L"HIH", {0, 0, 90, 20}, DT_RIGHT | DT_SINGLELINE);
    const Ink ink = canvas.AllInk();
    ASSERT_TRUE(ink.Any());
    EXPECT_LE(ink.right, 90);
    EXPECT_GE(ink.right, 87);
}

TEST(TextCalcRect, WidthGrowsWithTheTextAndMatchesTheExtent) {
    Canvas canvas(10, 10);
    int previous = 0;
    for (const std::wstring text : {L"I", L"II", L"IIm", L"IImW", L"IImW Settings"}) {
        RECT rect{3, 4, 3, 4};
        const int height =
            DrawText(canvas.dc(), text.c_str(), -1, &rect, DT_CALCRECT | DT_SINGLELINE);
        const SIZE size = Extent(canvas.dc(), text);
        EXPECT_GT(rect.right - rect.left, previous) << std::string(text.begin(), text.end());
        EXPECT_EQ(rect.right - rect.left, size.cx);
        EXPECT_EQ(rect.bottom - rect.top, size.cy);
        EXPECT_EQ(height, size.cy);
        previous = rect.right - rect.left;
    }
    EXPECT_FALSE(canvas.AllInk().Any()) << "DT_CALCRECT draws nothing";
}

TEST(TextCalcRect, WordBreakStacksLinesWithinTheWidth) {
    Canvas canvas(10, 10);
    const std::wstring text = L"one two three four five";
    const int lineHeight = Extent(canvas.dc(), L"o").cy;
    const int widestWord = Extent(canvas.dc(), L"three").cx;
    RECT rect{0, 0, widestWord + 2, 0};
    const int height = DrawText(canvas.dc(), text.c_str(), -1, &rect, DT_CALCRECT | DT_WORDBREAK);
    EXPECT_GE(height, 3 * lineHeight);
    EXPECT_EQ(height % lineHeight, 0);
    EXPECT_EQ(rect.bottom, height);
    EXPECT_LE(rect.right, widestWord + 2);
    RECT wide{0, 0, 1000, 0};
    EXPECT_EQ(DrawText(canvas.dc(), text.c_str(), -1, &wide, DT_CALCRECT | DT_WORDBREAK),
              lineHeight);
    RECT lines{0, 0, 1000, 0};
    EXPECT_EQ(DrawText(canvas.dc(), L"a\nb\r\nc", -1, &lines, DT_CALCRECT), 3 * lineHeight);
}

TEST(TextCalcRect, AmpersandMarksAreNotShownUnlessNoPrefix) {
    Canvas canvas(10, 10);
    auto width = [&](const wchar_t* text, UINT extra) {
        RECT rect{0, 0, 0, 0};
        DrawText(canvas.dc(), text, -1, &rect, DT_CALCRECT | DT_SINGLELINE | extra);
        return rect.right;
    };
    EXPECT_EQ(width(L"&Save", 0), Extent(canvas.dc(), L"Save").cx);
    EXPECT_EQ(width(L"A&&B", 0), Extent(canvas.dc(), L"A&B").cx);
    EXPECT_EQ(width(L"&Save", DT_NOPREFIX), Extent(canvas.dc(), L"&Save").cx);
}

TEST(TextCalcRect, ControlCharactersTakeNoRoom) {
    Canvas canvas(10, 10);
    EXPECT_EQ(Extent(canvas.dc(), L"a\tb\x01").cx, Extent(canvas.dc(), L"ab").cx);
    RECT rect{0, 0, 0, 0};
    DrawText(canvas.dc(), L"a\nb", -1, &rect, DT_CALCRECT | DT_SINGLELINE);
    EXPECT_EQ(rect.right, Extent(canvas.dc(), L"ab").cx) << "single lines drop line ends";
}

TEST(TextDrawing, BadArgumentsDrawNothing) {
    Canvas canvas(20, 20);
    RECT rect{0, 0, 20, 20};
    EXPECT_EQ(DrawText(nullptr, L"x", -1, &rect, 0), 0);
    EXPECT_EQ(DrawText(canvas.dc(), nullptr, -1, &rect, 0), 0);
    EXPECT_EQ(DrawText(canvas.dc(), L"x", -5, &rect, 0), 0);
    EXPECT_EQ(DrawText(canvas.dc(), L"x", 1, nullptr, 0), 0);
    EXPECT_FALSE(canvas.AllInk().Any());
    EXPECT_EQ(DrawText(canvas.dc(), L"xyz", 1, &rect, DT_CALCRECT), Extent(canvas.dc(), L"x").cy);
    EXPECT_EQ(rect.right, Extent(canvas.dc(), L"x").cx);
}

bool SomeFontHas(char32_t c) {
    FcPattern* pattern = FcPatternCreate();
    FcCharSet* charset = FcCharSetCreate();
    FcCharSetAddChar(charset, c);
    FcPatternAddCharSet(pattern, FC_CHARSET, charset);
    FcObjectSet* fields = FcObjectSetBuild(FC_FAMILY, nullptr);
    FcFontSet* fonts = FcFontList(nullptr, pattern, fields);
    const bool found = fonts != nullptr && fonts->nfont > 0;
    if (fonts != nullptr) FcFontSetDestroy(fonts);
    FcObjectSetDestroy(fields);
    FcCharSetDestroy(charset);
    FcPatternDestroy(pattern);
    return found;
}

TEST(TextDrawing, CharactersTheMainFaceLacksComeFromAFallbackFace) {
    if (!SomeFontHas(U'\uD55C') || !SomeFontHas(U'\u4E2D')) {
        GTEST_SKIP() << "no installed font has Hangul and CJK ideographs "
                        "(install fonts-wqy-microhei)";
    }
    // Boxes for missing glyphs all look alike; real glyphs of different characters do not.
    std::vector<std::vector<Pixel>> drawn;
    for (const wchar_t* text : {L"\uD55C", L"\uAD6D", L"\u4E2D"}) {
        Canvas canvas(20, 20);
        canvas.Draw(text, {0, 0, 20, 20}, DT_SINGLELINE);
        EXPECT_GT(canvas.AllInk().pixels, 10);
        drawn.push_back(canvas.Pixels());
    }
    EXPECT_NE(drawn[0], drawn[1]);
    EXPECT_NE(drawn[0], drawn[2]);
    EXPECT_NE(drawn[1], drawn[2]);
}

TEST(Font, DialogFontIsElevenPixelsAndDescribesItself) {
    LOGFONTW request{};
    request.lfHeight = -11;
    Owned<HFONT> font(CreateFontIndirect(&request));
    ASSERT_NE(font.get(), nullptr);
    LOGFONTW back{};
    ASSERT_EQ(GetObject(font, sizeof back, &back), static_cast<int>(sizeof back));
    EXPECT_EQ(back.lfHeight, -11);
    request.lfHeight = -22;
    Owned<HFONT> big(CreateFontIndirect(&request));
    Canvas canvas(10, 10);
    const SIZE normal = Extent(canvas.dc(), L"Settings");
    const HGDIOBJ previous = SelectObject(canvas.dc(), big);
    const SIZE doubled = Extent(canvas.dc(), L"Settings");
    SelectObject(canvas.dc(), previous);
    EXPECT_GT(doubled.cx, normal.cx * 3 / 2);
    EXPECT_GT(doubled.cy, normal.cy * 3 / 2);
    EXPECT_GE(normal.cy, 12);  // Windows ascent + descent of an 11-pixel em
    EXPECT_LE(normal.cy, 14);
    request.lfHeight = -100000;
    EXPECT_EQ(CreateFontIndirect(&request), nullptr);
}

// Right-to-left and joined text, as a reader of it expects to see it.
const std::wstring kAlef = L"\u05D0", kBet = L"\u05D1", kGimel = L"\u05D2";

TEST(ShapedTextDrawing, AHebrewWordIsDrawnFromRightToLeft) {
    // The word alef-bet looks like bet drawn first and alef after it, to its right.
    Canvas word(60, 20), byHand(60, 20);
    word.Draw(kAlef + kBet, {2, 2, 60, 20}, DT_SINGLELINE);
    byHand.Draw(kBet, {2, 2, 60, 20}, DT_SINGLELINE);
    byHand.Draw(kAlef, {2 + Extent(byHand.dc(), kBet).cx, 2, 60, 20}, DT_SINGLELINE);
    ASSERT_TRUE(word.AllInk().Any());
    EXPECT_EQ(word.Pixels(), byHand.Pixels());
}

TEST(ShapedTextDrawing, AReadingOrderFromTheRightPutsTheLatinWordAtTheLeft) {
    // As a right-to-left paragraph, "alef bet gimel abc" shows as "abc", a space and the
    // Hebrew word: just as the left-to-right paragraph "abc alef bet gimel" does.
    Canvas rightToLeft(120, 20), leftToRight(120, 20);
    rightToLeft.Draw(kAlef + kBet + kGimel + L" abc", {2, 2, 120, 20},
                     DT_SINGLELINE | DT_RTLREADING);
    leftToRight.Draw(L"abc " + kAlef + kBet + kGimel, {2, 2, 120, 20}, DT_SINGLELINE);
    ASSERT_TRUE(rightToLeft.AllInk().Any());
    EXPECT_EQ(rightToLeft.Pixels(), leftToRight.Pixels());
}

TEST(ShapedTextDrawing, TheMnemonicUnderlineFollowsItsLetterInAHebrewWord) {
    // "&alef bet": alef, the underlined letter, stands at the right of the word, so every
    // pixel the underline adds lies right of bet.
    const int width = 60, height = 20;
    Canvas marked(width, height), plain(width, height);
    marked.Draw(L"&" + kAlef + kBet, {0, 0, width, height}, DT_SINGLELINE);
    plain.Draw(kAlef + kBet, {0, 0, width, height}, DT_SINGLELINE);
    const int betWidth = Extent(plain.dc(), kBet).cx;
    const int wordWidth = Extent(plain.dc(), kAlef + kBet).cx;
    const auto markedPixels = marked.Pixels(), plainPixels = plain.Pixels();
    int added = 0;
    for (std::size_t i = 0; i < markedPixels.size(); ++i) {
        if (markedPixels[i] == plainPixels[i]) continue;
        ++added;
        const int x = static_cast<int>(i % width);
        EXPECT_GE(x, betWidth) << "underline pixel at column " << x;
        EXPECT_LT(x, wordWidth) << "underline pixel at column " << x;
    }
    EXPECT_GT(added, 0) << "no underline";
}

TEST(ShapedTextDrawing, CharactersNoFontHasShowTheSameBoxAndMeasureAsDrawn) {
    // U+0378 and U+0379 are unassigned: no font has them.
    for (const std::wstring& context : {std::wstring(), kAlef + L" "}) {
        std::vector<std::vector<Pixel>> boxes;
        for (const std::wstring missing : {L"\u0378", L"\u0379"}) {
            const std::wstring text = context + missing;
            Canvas canvas(40, 20), contextOnly(40, 20);
            canvas.Draw(text, {0, 0, 40, 20}, DT_SINGLELINE);
            contextOnly.Draw(context, {0, 0, 40, 20}, DT_SINGLELINE);
            const int width = Extent(canvas.dc(), text).cx;
            RECT box{0, 0, 40, 20};
            DrawText(canvas.dc(), text.c_str(), -1, &box, DT_SINGLELINE | DT_CALCRECT);
            EXPECT_EQ(box.right, width) << "measuring and drawing agree";
            EXPECT_GT(width, Extent(canvas.dc(), context).cx) << "the box takes room";
            EXPECT_GT(canvas.AllInk().pixels, contextOnly.AllInk().pixels) << "a box is drawn";
            EXPECT_LE(canvas.AllInk().right, width + 1) << "nothing drawn past its room";
            boxes.push_back(canvas.Pixels());
        }
        EXPECT_EQ(boxes[0], boxes[1]) << "every missing character shows the same box";
    }
}

TEST(ShapedTextDrawing, JoinedArabicLettersAreNarrowerThanApart) {
    Canvas canvas(10, 10);
    const std::wstring word = L"\u0633\u0644\u0627\u0645";
    int apart = 0;
    for (const wchar_t letter : word) apart += Extent(canvas.dc(), std::wstring(1, letter)).cx;
    RECT box{0, 0, 500, 50};
    DrawText(canvas.dc(), word.c_str(), -1, &box, DT_SINGLELINE | DT_CALCRECT);
    EXPECT_LT(box.right, apart);
    EXPECT_EQ(box.right, Extent(canvas.dc(), word).cx) << "measuring and drawing agree";
}

}  // namespace
}  // namespace keldra::platform::gdi::testing
