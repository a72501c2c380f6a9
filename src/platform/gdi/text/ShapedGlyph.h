// One glyph of a shaped line, in the order it is drawn from left to right.
#pragma once

namespace keldra::platform::gdi {

class FontFace;

struct ShapedGlyph {
    const FontFace* face = nullptr;
    unsigned glyphIndex = 0;  // in face
    int cluster = 0;          // the line's character it starts from (first of its cluster)
    int advance = 0;          // pixels the pen moves after it
    int offsetX = 0;          // pixels right of the pen where it is drawn
    int offsetY = 0;          // pixels above the baseline where it is drawn
    bool visible = true;      // false for a control character, which shows nothing
};

}  // namespace keldra::platform::gdi
