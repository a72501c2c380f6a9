// One font file's face at one pixel size, with hinting, and the platform's line metrics:
// the face's Windows ascent and descent (OS/2 usWinAscent, usWinDescent) scaled to the em.
#pragma once

#include <memory>
#include <string>

#include "platform/gdi/objects/FontHandles.h"
#include "platform/gdi/text/Glyph.h"

namespace keldra::platform::gdi {

class FontFace {
  public:
    // nullptr when the file cannot be opened as a scalable face.
    static std::unique_ptr<FontFace> Open(FT_Library library, const std::string& path,
                                          int faceIndex, int emPixels);

    bool HasCharacter(char32_t c) const { return FT_Get_Char_Index(face_.get(), c) != 0; }
    // The rendered glyph for c (the face's missing-glyph box when it has none).
    Glyph Render(char32_t c) const { return RenderGlyph(FT_Get_Char_Index(face_.get(), c)); }
    // The rendered glyph of the face's glyph index, as a shaper names it.
    Glyph RenderGlyph(unsigned glyphIndex) const;
    // The FreeType face, sized, for a shaper to read the font's tables through.
    FT_Face Handle() const { return face_.get(); }
    int Ascent() const { return ascent_; }
    int Descent() const { return descent_; }
    std::string FamilyName() const;

  private:
    explicit FontFace(FreeTypeFace face);
    void ReadLineMetrics();

    FreeTypeFace face_;
    int ascent_ = 0;
    int descent_ = 0;
};

}  // namespace keldra::platform::gdi
