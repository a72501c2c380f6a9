// The faces that draw one font: the main face, and fallback faces that fontconfig ranks
// for it, so that a character the main face lacks is drawn from the first ranked face
// that has it. Glyphs are rendered once and kept.
#pragma once

#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>
#include <utility>
#include <vector>

#include "platform/gdi/text/FontFace.h"
#include "platform/gdi/text/FontRequest.h"
#include "platform/gdi/text/ShapedGlyph.h"

namespace keldra::platform::gdi {

class TextShaper;

class FontFaceSet {
  public:
    FontFaceSet(FT_Library library, FontRequest request, std::unique_ptr<FontFace> main,
                FcFontSetPtr ranked);
    ~FontFaceSet();
    FontFaceSet(const FontFaceSet&) = delete;
    FontFaceSet& operator=(const FontFaceSet&) = delete;

    const Glyph& GlyphFor(char32_t c);
    int Advance(char32_t c) { return GlyphFor(c).advance; }
    int Ascent() const { return main_->Ascent(); }
    int LineHeight() const { return main_->Ascent() + main_->Descent(); }
    const FontFace& MainFace() const { return *main_; }
    // The face that draws c: the main face when it has c, else a fallback that has it,
    // else the main face (which then draws its missing-glyph box).
    const FontFace& FaceFor(char32_t c);

    // The glyphs that show one line, left to right (see TextShaper); kept for the captions
    // drawn again and again.
    const std::vector<ShapedGlyph>& Shape(std::wstring_view line, bool rightToLeft = false);
    // The summed advances of a line's glyphs.
    int LineWidth(std::wstring_view line);
    // A glyph the shaper named, rendered once and kept.
    const Glyph& GlyphOf(const ShapedGlyph& shaped);

  private:
    const FontFace* FallbackFor(char32_t c);
    const FontFace* OpenRanked(int position);

    FT_Library library_;
    FontRequest request_;
    std::unique_ptr<FontFace> main_;
    FcFontSetPtr ranked_;
    std::map<int, std::unique_ptr<FontFace>> opened_;  // by rank, nullptr when unusable
    std::unordered_map<char32_t, const FontFace*> faceOf_;
    std::unordered_map<char32_t, Glyph> glyphs_;
    std::map<std::pair<const FontFace*, unsigned>, Glyph> shapedGlyphs_;
    std::unique_ptr<TextShaper> shaper_;
    std::map<std::pair<std::wstring, bool>, std::vector<ShapedGlyph>> lines_;
};

}  // namespace keldra::platform::gdi
