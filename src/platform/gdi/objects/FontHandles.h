// Owning handles for the FreeType and fontconfig objects the text code keeps.
#pragma once

#include <fontconfig/fontconfig.h>
#include <ft2build.h>
#include FT_FREETYPE_H

#include <memory>

namespace keldra::platform::gdi {

struct FreeTypeLibraryDeleter {
    void operator()(FT_Library library) const { FT_Done_FreeType(library); }
};
struct FreeTypeFaceDeleter {
    void operator()(FT_Face face) const { FT_Done_Face(face); }
};
struct FcPatternDeleter {
    void operator()(FcPattern* pattern) const { FcPatternDestroy(pattern); }
};
struct FcFontSetDeleter {
    void operator()(FcFontSet* set) const { FcFontSetDestroy(set); }
};

using FreeTypeLibrary = std::unique_ptr<FT_LibraryRec_, FreeTypeLibraryDeleter>;
using FreeTypeFace = std::unique_ptr<FT_FaceRec_, FreeTypeFaceDeleter>;
using FcPatternPtr = std::unique_ptr<FcPattern, FcPatternDeleter>;
using FcFontSetPtr = std::unique_ptr<FcFontSet, FcFontSetDeleter>;

}  // namespace keldra::platform::gdi
