// Fonts, DrawText and GetTextExtentPoint32.
#include <cwchar>
#include <string_view>
#include <vector>

#include "platform/gdi/Gdi.h"
#include "platform/gdi/GdiHandles.h"
#include "platform/gdi/objects/GdiLookup.h"
#include "platform/gdi/text/FontCatalog.h"
#include "platform/gdi/text/TextLayout.h"
#include "platform/gdi/text/TextRenderer.h"

using namespace keldra::platform::gdi;

namespace {

constexpr int kMaxEmPixels = 500;

FontFaceSet* FontsOf(const DeviceContext& dc) {
    const FontObject* font = FindFont(dc.font);
    return GdiState::Require().Fonts().Fonts(font != nullptr ? font->Request() : FontRequest{});
}

bool ReadText(LPCWSTR text, int count, std::wstring_view& out) {
    if (text == nullptr || count < -1) return false;
    out = count == -1 ? std::wstring_view(text) : std::wstring_view(text, count);
    return true;
}

// Where the first line's top goes: single lines may be centred or put at the bottom.
int FirstLineTop(const RECT& rect, UINT format, int textHeight) {
    if ((format & DT_SINGLELINE) == 0) return rect.top;
    if (format & DT_VCENTER) return (rect.top + rect.bottom - textHeight) / 2;
    if (format & DT_BOTTOM) return rect.bottom - textHeight;
    return rect.top;
}

int LineLeft(const RECT& rect, UINT format, int lineWidth) {
    if (format & DT_CENTER) return (rect.left + rect.right - lineWidth) / 2;
    if (format & DT_RIGHT) return rect.right - lineWidth;
    return rect.left;
}

void Draw(DeviceContext& dc, FontFaceSet& fonts, const TextLayout& layout, const RECT& rect,
          UINT format, int top) {
    Surface* target = DrawingTarget(dc);
    if (target == nullptr) return;
    const Rect bounds =
        (format & DT_NOCLIP) ? dc.ClipBox() : Rect{rect.left, rect.top, rect.right, rect.bottom};
    std::vector<Rect> clips;
    dc.ForEachVisibleRect(bounds, [&](const Rect& piece) { clips.push_back(piece); });
    if (clips.empty()) return;
    const Point origin = dc.Origin();
    TextRenderer renderer(*target, clips, fonts, dc.colours.text);
    int y = top + origin.y;
    for (const TextLine& line : layout.Lines()) {
        const int x = LineLeft(rect, format, line.width) + origin.x;
        if (dc.backgroundMode == OPAQUE) {
            renderer.FillBox(Rect::FromSize(x, y, line.width, layout.LineHeight()),
                             dc.colours.background);
        }
        renderer.DrawLine(line, x, y + fonts.Ascent(), (format & DT_RTLREADING) != 0);
        y += layout.LineHeight();
    }
}

}  // namespace

HFONT CreateFontIndirectW(const LOGFONTW* font) {
    if (font == nullptr) return nullptr;
    // Every face name gives the dialog face: it is the only one the program asks for.
    // A negative height is the em, a positive one the whole cell, near enough 11/13 of it.
    FontRequest request;
    if (font->lfHeight < 0) request.emPixels = -font->lfHeight;
    if (font->lfHeight > 0) request.emPixels = (font->lfHeight * 11 + 6) / 13;
    if (request.emPixels < 1 || request.emPixels > kMaxEmPixels) return nullptr;
    request.bold = font->lfWeight >= FW_BOLD;
    return static_cast<HFONT>(Objects().Add(std::make_unique<FontObject>(request)));
}

int DrawTextW(HDC dc, LPCWSTR text, int count, LPRECT rect, UINT format) {
    DeviceContext* context = FindDc(dc);
    std::wstring_view chars;
    if (context == nullptr || rect == nullptr || !ReadText(text, count, chars) ||
        !IsSaneSpan(rect->left, rect->right) || !IsSaneSpan(rect->top, rect->bottom)) {
        return 0;
    }
    FontFaceSet* fonts = FontsOf(*context);
    if (fonts == nullptr) return 0;
    const TextLayout layout(*fonts, chars, format, rect->right - rect->left);
    if (format & DT_CALCRECT) {
        rect->right = rect->left + layout.Width();
        rect->bottom = rect->top + layout.Height();
        return layout.Height();
    }
    const int top = FirstLineTop(*rect, format, layout.Height());
    Draw(*context, *fonts, layout, *rect, format, top);
    // With DT_VCENTER or DT_BOTTOM the answer is where the text ends below the top.
    if ((format & DT_SINGLELINE) && (format & (DT_VCENTER | DT_BOTTOM))) {
        return top + layout.Height() - rect->top;
    }
    return layout.Height();
}

BOOL GetTextExtentPoint32W(HDC dc, LPCWSTR text, int count, LPSIZE size) {
    const DeviceContext* context = FindDc(dc);
    std::wstring_view chars;
    if (context == nullptr || size == nullptr || count < 0 || !ReadText(text, count, chars)) {
        return FALSE;
    }
    FontFaceSet* fonts = FontsOf(*context);
    if (fonts == nullptr) return FALSE;
    *size = {TextLayout::Measure(*fonts, chars), fonts->LineHeight()};
    return TRUE;
}
