// Splits a DrawText string into the lines it shows: the mnemonic '&' marks taken out
// (unless DT_NOPREFIX), lines broken at line ends (unless DT_SINGLELINE) and, with
// DT_WORDBREAK, between words where a line would pass the width. A word wider than the
// width stays whole on a line of its own.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "platform/gdi/text/FontFaceSet.h"

namespace keldra::platform::gdi {

struct TextLine {
    std::wstring text;
    int width = 0;
    int underlined = -1;  // index of the character after a single '&', or -1
};

class TextLayout {
  public:
    TextLayout(FontFaceSet& fonts, std::wstring_view text, unsigned format, int maxWidth);

    const std::vector<TextLine>& Lines() const { return lines_; }
    int Width() const;
    int Height() const { return static_cast<int>(lines_.size()) * lineHeight_; }
    int LineHeight() const { return lineHeight_; }

    // The width of text shaped as one line, taken as it is (no '&' handling).
    static int Measure(FontFaceSet& fonts, std::wstring_view text);

  private:
    void AddParagraph(const TextLine& paragraph, bool wrap, int maxWidth);
    void AddLine(std::wstring text, int underlined);
    static TextLine StripPrefixes(std::wstring_view text, bool prefixes);

    FontFaceSet& fonts_;
    int lineHeight_;
    std::vector<TextLine> lines_;
};

}  // namespace keldra::platform::gdi
