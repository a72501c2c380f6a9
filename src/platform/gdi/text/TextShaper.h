// Turns one line of text, in the order it was written, into the glyphs that show it, in the
// order they are drawn: the Unicode bidirectional algorithm (FriBidi) orders right-to-left
// runs, and HarfBuzz shapes each run with the face that draws its characters (the font's
// own face, or the fallback that covers them). Scripts that Windows draws without shaping
// (Latin, Greek, Cyrillic, Chinese, Japanese, Korean) get neither kerning nor ligatures, so
// they keep exactly the glyphs and advances of drawing one character at a time.
#pragma once

#include <map>
#include <memory>
#include <string_view>
#include <vector>

#include "platform/gdi/text/FontFaceSet.h"
#include "platform/gdi/text/ShapedGlyph.h"

struct hb_font_t;

namespace keldra::platform::gdi {

class TextShaper {
  public:
    explicit TextShaper(FontFaceSet& fonts) : fonts_(fonts) {}
    ~TextShaper();
    TextShaper(const TextShaper&) = delete;
    TextShaper& operator=(const TextShaper&) = delete;

    // The glyphs of one line, left to right. The paragraph runs left to right unless
    // rightToLeft (DrawText's DT_RTLREADING).
    std::vector<ShapedGlyph> Shape(std::u32string_view line, bool rightToLeft = false);

  private:
    struct Run;
    std::vector<ShapedGlyph> OneGlyphPerCharacter(std::u32string_view line);
    std::vector<Run> Itemize(std::u32string_view line, bool rightToLeft);
    void ShapeRun(std::u32string_view line, const Run& run, std::vector<ShapedGlyph>& out);
    hb_font_t* HarfBuzzFont(const FontFace& face);

    FontFaceSet& fonts_;
    std::map<const FontFace*, hb_font_t*> harfBuzzFonts_;
};

}  // namespace keldra::platform::gdi
