#include "platform/gdi/text/TextLayout.h"

#include <algorithm>

#include "platform/gdi/GdiTypes.h"

namespace keldra::platform::gdi {

namespace {

bool IsLineEnd(wchar_t c) {
    return c == L'\r' || c == L'\n';
}

// Splits at line ends; "\r\n" counts as one.
std::vector<std::wstring_view> Paragraphs(std::wstring_view text) {
    std::vector<std::wstring_view> paragraphs;
    std::size_t start = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (!IsLineEnd(text[i])) continue;
        paragraphs.push_back(text.substr(start, i - start));
        if (text[i] == L'\r' && i + 1 < text.size() && text[i + 1] == L'\n') ++i;
        start = i + 1;
    }
    paragraphs.push_back(text.substr(start));
    return paragraphs;
}

}  // namespace

TextLayout::TextLayout(FontFaceSet& fonts, std::wstring_view text, unsigned format, int maxWidth)
    : fonts_(fonts), lineHeight_(fonts.LineHeight()) {
    const bool prefixes = (format & DT_NOPREFIX) == 0;
    if (format & DT_SINGLELINE) {
        std::wstring joined;
        std::copy_if(text.begin(), text.end(), std::back_inserter(joined),
                     [](wchar_t c) { return !IsLineEnd(c); });
        AddParagraph(StripPrefixes(joined, prefixes), false, maxWidth);
        return;
    }
    const bool wrap = (format & DT_WORDBREAK) != 0;
    for (std::wstring_view paragraph : Paragraphs(text)) {
        AddParagraph(StripPrefixes(paragraph, prefixes), wrap, maxWidth);
    }
}

TextLine TextLayout::StripPrefixes(std::wstring_view text, bool prefixes) {
    TextLine line;
    if (!prefixes) {
        line.text = text;
        return line;
    }
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != L'&') {
            line.text += text[i];
        } else if (i + 1 < text.size() && text[i + 1] == L'&') {
            line.text += L'&';  // "&&" shows one '&'
            ++i;
        } else if (i + 1 < text.size()) {
            line.underlined = static_cast<int>(line.text.size());
        }
    }
    return line;
}

void TextLayout::AddParagraph(const TextLine& paragraph, bool wrap, int maxWidth) {
    if (!wrap) {
        AddLine(paragraph.text, paragraph.underlined);
        return;
    }
    // Greedy filling: words go onto the line while it fits; the spaces where a line is
    // broken are not shown.
    const std::wstring& text = paragraph.text;
    std::size_t lineStart = 0;
    std::size_t lineEnd = 0;  // end of the last word that fits
    std::size_t pos = 0;
    while (pos < text.size()) {
        std::size_t wordStart = text.find_first_not_of(L' ', pos);
        if (wordStart == std::wstring::npos) break;
        std::size_t wordEnd = std::min(text.find(L' ', wordStart), text.size());
        const int width =
            Measure(fonts_, std::wstring_view(text).substr(lineStart, wordEnd - lineStart));
        if (width > maxWidth && lineEnd > lineStart) {
            const int mark = paragraph.underlined - static_cast<int>(lineStart);
            AddLine(text.substr(lineStart, lineEnd - lineStart), mark);
            lineStart = wordStart;
        }
        lineEnd = wordEnd;
        pos = wordEnd;
    }
    const int mark = paragraph.underlined - static_cast<int>(lineStart);
    AddLine(text.substr(lineStart, std::max(lineEnd, lineStart) - lineStart), mark);
}

void TextLayout::AddLine(std::wstring text, int underlined) {
    TextLine line;
    line.width = Measure(fonts_, text);
    if (underlined >= 0 && underlined < static_cast<int>(text.size())) line.underlined = underlined;
    line.text = std::move(text);
    lines_.push_back(std::move(line));
}

int TextLayout::Measure(FontFaceSet& fonts, std::wstring_view text) {
    return fonts.LineWidth(text);
}

int TextLayout::Width() const {
    int width = 0;
    for (const TextLine& line : lines_) width = std::max(width, line.width);
    return width;
}

}  // namespace keldra::platform::gdi
