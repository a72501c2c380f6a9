#include "platform/gdi/text/FontFaceSet.h"

#include <numeric>

#include "platform/gdi/text/TextShaper.h"

namespace keldra::platform::gdi {

namespace {

// Shaped lines kept at most; a program's captions are far fewer.
constexpr std::size_t kKeptLines = 1024;

}  // namespace

FontFaceSet::FontFaceSet(FT_Library library, FontRequest request, std::unique_ptr<FontFace> main,
                         FcFontSetPtr ranked)
    : library_(library),
      request_(request),
      main_(std::move(main)),
      ranked_(std::move(ranked)),
      shaper_(std::make_unique<TextShaper>(*this)) {}

FontFaceSet::~FontFaceSet() = default;

const std::vector<ShapedGlyph>& FontFaceSet::Shape(std::wstring_view line, bool rightToLeft) {
    auto key = std::make_pair(std::wstring(line), rightToLeft);
    auto found = lines_.find(key);
    if (found != lines_.end()) return found->second;
    if (lines_.size() >= kKeptLines) lines_.clear();
    // wchar_t holds UTF-32 here, as char32_t does.
    static_assert(sizeof(wchar_t) == sizeof(char32_t));
    const std::u32string_view text(reinterpret_cast<const char32_t*>(line.data()), line.size());
    return lines_.emplace(std::move(key), shaper_->Shape(text, rightToLeft)).first->second;
}

int FontFaceSet::LineWidth(std::wstring_view line) {
    const auto& glyphs = Shape(line);
    return std::accumulate(glyphs.begin(), glyphs.end(), 0,
                           [](int sum, const ShapedGlyph& glyph) { return sum + glyph.advance; });
}

const Glyph& FontFaceSet::GlyphOf(const ShapedGlyph& shaped) {
    const auto key = std::make_pair(shaped.face, shaped.glyphIndex);
    auto found = shapedGlyphs_.find(key);
    if (found == shapedGlyphs_.end()) {
        found = shapedGlyphs_.emplace(key, shaped.face->RenderGlyph(shaped.glyphIndex)).first;
    }
    return found->second;
}

const Glyph& FontFaceSet::GlyphFor(char32_t c) {
    auto found = glyphs_.find(c);
    if (found == glyphs_.end()) {
        // Control characters (a tab in a caption, say) show nothing rather than a box.
        found = glyphs_.emplace(c, c < U' ' ? Glyph{} : FaceFor(c).Render(c)).first;
    }
    return found->second;
}

const FontFace& FontFaceSet::FaceFor(char32_t c) {
    auto found = faceOf_.find(c);
    if (found == faceOf_.end()) {
        const FontFace* face = main_->HasCharacter(c) ? main_.get() : FallbackFor(c);
        found = faceOf_.emplace(c, face != nullptr ? face : main_.get()).first;
    }
    return *found->second;
}

const FontFace* FontFaceSet::FallbackFor(char32_t c) {
    if (ranked_ == nullptr) return nullptr;
    for (int i = 0; i < ranked_->nfont; ++i) {
        FcCharSet* charset = nullptr;
        if (FcPatternGetCharSet(ranked_->fonts[i], FC_CHARSET, 0, &charset) != FcResultMatch ||
            !FcCharSetHasChar(charset, static_cast<FcChar32>(c))) {
            continue;
        }
        const FontFace* face = OpenRanked(i);
        if (face != nullptr && face->HasCharacter(c)) return face;
    }
    return nullptr;
}

const FontFace* FontFaceSet::OpenRanked(int position) {
    auto found = opened_.find(position);
    if (found != opened_.end()) return found->second.get();
    FcChar8* file = nullptr;
    int index = 0;
    std::unique_ptr<FontFace> face;
    FcPattern* pattern = ranked_->fonts[position];
    if (FcPatternGetString(pattern, FC_FILE, 0, &file) == FcResultMatch) {
        FcPatternGetInteger(pattern, FC_INDEX, 0, &index);
        face =
            FontFace::Open(library_, reinterpret_cast<const char*>(file), index, request_.emPixels);
    }
    return opened_.emplace(position, std::move(face)).first->second.get();
}

}  // namespace keldra::platform::gdi
