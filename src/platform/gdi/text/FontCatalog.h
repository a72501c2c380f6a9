// Finds and keeps the faces that draw text. The main face is the first installed family of
// "Tahoma", "Microsoft Sans Serif", "Liberation Sans", "DejaVu Sans", then whatever
// fontconfig gives for "sans-serif"; fallbacks are what fontconfig ranks after it.
#pragma once

#include <memory>
#include <vector>

#include "platform/gdi/text/FontFaceSet.h"

namespace keldra::platform::gdi {

class FontCatalog {
  public:
    FontCatalog();
    // The faces for request, or nullptr when no usable font is installed at all.
    FontFaceSet* Fonts(const FontRequest& request);

    ~FontCatalog();
    // Frees every face, for a program ending without dropping its session; Fonts() loads
    // them again if asked.
    void LetGoOfFonts();
    FontCatalog(const FontCatalog&) = delete;
    FontCatalog& operator=(const FontCatalog&) = delete;

  private:
    std::unique_ptr<FontFaceSet> Load(const FontRequest& request);
    FcPatternPtr MatchFamily(const char* family, const FontRequest& request) const;
    FcFontSetPtr RankFallbacks(FcPattern* main, const FontRequest& request) const;

    FreeTypeLibrary library_;
    std::vector<std::pair<FontRequest, std::unique_ptr<FontFaceSet>>> sets_;
};

}  // namespace keldra::platform::gdi
