#include "platform/gdi/text/FontCatalog.h"

#include <strings.h>

#include <array>

#include "platform/gdi/text/FontconfigSession.h"

namespace keldra::platform::gdi {

namespace {

constexpr std::array kFamilies = {"Tahoma", "Microsoft Sans Serif", "Liberation Sans",
                                  "DejaVu Sans", "sans-serif"};
constexpr const char* kGenericFamily = "sans-serif";

FcPatternPtr PatternFor(const char* family, const FontRequest& request) {
    FcPatternPtr pattern(FcPatternCreate());
    if (pattern == nullptr) return nullptr;
    FcPatternAddString(pattern.get(), FC_FAMILY, reinterpret_cast<const FcChar8*>(family));
    FcPatternAddInteger(pattern.get(), FC_WEIGHT,
                        request.bold ? FC_WEIGHT_BOLD : FC_WEIGHT_REGULAR);
    FcPatternAddInteger(pattern.get(), FC_SLANT, FC_SLANT_ROMAN);
    FcPatternAddBool(pattern.get(), FC_SCALABLE, FcTrue);
    FcConfigSubstitute(nullptr, pattern.get(), FcMatchPattern);
    FcDefaultSubstitute(pattern.get());
    return pattern;
}

bool HasFamily(FcPattern* font, const char* family) {
    FcChar8* name = nullptr;
    for (int i = 0; FcPatternGetString(font, FC_FAMILY, i, &name) == FcResultMatch; ++i) {
        if (strcasecmp(reinterpret_cast<const char*>(name), family) == 0) return true;
    }
    return false;
}

}  // namespace

FontCatalog::FontCatalog() {
    FT_Library library = nullptr;
    if (FT_Init_FreeType(&library) == 0) library_.reset(library);
    // fontconfig is freed at exit after every catalog has let go of its patterns.
    FontconfigSession::Load();
    FontconfigSession::CatalogMade(*this);
}

FontCatalog::~FontCatalog() {
    sets_.clear();
    FontconfigSession::CatalogEnded(*this);
}

void FontCatalog::LetGoOfFonts() {
    sets_.clear();
}

FontFaceSet* FontCatalog::Fonts(const FontRequest& request) {
    for (auto& [known, set] : sets_) {
        if (known == request) return set.get();
    }
    sets_.emplace_back(request, Load(request));
    return sets_.back().second.get();
}

FcPatternPtr FontCatalog::MatchFamily(const char* family, const FontRequest& request) const {
    FcPatternPtr pattern = PatternFor(family, request);
    if (pattern == nullptr) return nullptr;
    FcResult result = FcResultNoMatch;
    FcPatternPtr match(FcFontMatch(nullptr, pattern.get(), &result));
    if (match == nullptr) return nullptr;
    // fontconfig always answers with something; a named family counts only when it is
    // what came back, so the order of preference is kept.
    const bool generic = strcasecmp(family, kGenericFamily) == 0;
    if (!generic && !HasFamily(match.get(), family)) return nullptr;
    return match;
}

FcFontSetPtr FontCatalog::RankFallbacks(FcPattern* main, const FontRequest& request) const {
    FcChar8* family = nullptr;
    if (FcPatternGetString(main, FC_FAMILY, 0, &family) != FcResultMatch) return nullptr;
    FcPatternPtr pattern = PatternFor(reinterpret_cast<const char*>(family), request);
    if (pattern == nullptr) return nullptr;
    FcResult result = FcResultNoMatch;
    return FcFontSetPtr(FcFontSort(nullptr, pattern.get(), FcTrue, nullptr, &result));
}

std::unique_ptr<FontFaceSet> FontCatalog::Load(const FontRequest& request) {
    if (library_ == nullptr) return nullptr;
    for (const char* family : kFamilies) {
        FcPatternPtr match = MatchFamily(family, request);
        FcChar8* file = nullptr;
        if (match == nullptr ||
            FcPatternGetString(match.get(), FC_FILE, 0, &file) != FcResultMatch) {
            continue;
        }
        int index = 0;
        FcPatternGetInteger(match.get(), FC_INDEX, 0, &index);
        auto face = FontFace::Open(library_.get(), reinterpret_cast<const char*>(file), index,
                                   request.emPixels);
        if (face == nullptr) continue;
        return std::make_unique<FontFaceSet>(library_.get(), request, std::move(face),
                                             RankFallbacks(match.get(), request));
    }
    return nullptr;
}

}  // namespace keldra::platform::gdi
