#include "platform/gdi/text/FontFace.h"

#include FT_TRUETYPE_TABLES_H

#include <cstring>

namespace keldra::platform::gdi {

namespace {

int RoundedPixels(FT_Long fontUnits, FT_Fixed scale) {
    return static_cast<int>((FT_MulFix(fontUnits, scale) + 32) >> 6);
}

}  // namespace

std::unique_ptr<FontFace> FontFace::Open(FT_Library library, const std::string& path, int faceIndex,
                                         int emPixels) {
    FT_Face raw = nullptr;
    if (FT_New_Face(library, path.c_str(), faceIndex, &raw) != 0) return nullptr;
    FreeTypeFace face(raw);
    if (!FT_IS_SCALABLE(raw) || FT_Set_Pixel_Sizes(raw, 0, static_cast<FT_UInt>(emPixels)) != 0) {
        return nullptr;
    }
    std::unique_ptr<FontFace> result(new FontFace(std::move(face)));
    result->ReadLineMetrics();
    return result;
}

FontFace::FontFace(FreeTypeFace face) : face_(std::move(face)) {}

void FontFace::ReadLineMetrics() {
    const FT_Fixed scale = face_->size->metrics.y_scale;
    const auto* os2 = static_cast<const TT_OS2*>(FT_Get_Sfnt_Table(face_.get(), FT_SFNT_OS2));
    if (os2 != nullptr && os2->usWinAscent + os2->usWinDescent > 0) {
        ascent_ = RoundedPixels(os2->usWinAscent, scale);
        descent_ = RoundedPixels(os2->usWinDescent, scale);
    } else {
        ascent_ = RoundedPixels(face_->ascender, scale);
        descent_ = RoundedPixels(-face_->descender, scale);
    }
}

Glyph FontFace::RenderGlyph(unsigned glyphIndex) const {
    Glyph glyph;
    if (FT_Load_Glyph(face_.get(), glyphIndex, FT_LOAD_DEFAULT) != 0) return glyph;
    FT_GlyphSlot slot = face_->glyph;
    glyph.advance = static_cast<int>((slot->advance.x + 32) >> 6);
    if (FT_Render_Glyph(slot, FT_RENDER_MODE_NORMAL) != 0) return glyph;
    const FT_Bitmap& bitmap = slot->bitmap;
    if (bitmap.pixel_mode != FT_PIXEL_MODE_GRAY || bitmap.pitch < static_cast<int>(bitmap.width)) {
        return glyph;
    }
    glyph.left = slot->bitmap_left;
    glyph.top = slot->bitmap_top;
    glyph.width = static_cast<int>(bitmap.width);
    glyph.rows = static_cast<int>(bitmap.rows);
    glyph.coverage.resize(static_cast<std::size_t>(glyph.width) * glyph.rows);
    for (int y = 0; y < glyph.rows; ++y) {
        std::memcpy(glyph.coverage.data() + static_cast<std::size_t>(y) * glyph.width,
                    bitmap.buffer + static_cast<std::ptrdiff_t>(y) * bitmap.pitch,
                    static_cast<std::size_t>(glyph.width));
    }
    return glyph;
}

std::string FontFace::FamilyName() const {
    return face_->family_name != nullptr ? face_->family_name : "";
}

}  // namespace keldra::platform::gdi
