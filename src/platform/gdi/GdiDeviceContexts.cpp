// Creating and releasing device contexts, their colours, modes and clip.
#include <optional>

#include "platform/gdi/Gdi.h"
#include "platform/gdi/GdiHandles.h"
#include "platform/gdi/objects/GdiLookup.h"
#include "platform/gdi/state/GdiState.h"

using namespace keldra::platform::gdi;

namespace {

constexpr int kDisplayBitsPerPixel = 32;
constexpr int kDisplayDpi = 96;

void SelectDefaults(HDC dc) {
    const StockObjects& stock = GdiState::Require().Stock();
    SelectObject(dc, stock.whiteBrush);
    SelectObject(dc, stock.dialogFont);
}

HDC AddDc(std::unique_ptr<DeviceContext> context) {
    return static_cast<HDC>(GdiState::Require().Objects().Add(std::move(context)));
}

HDC OpenScreenOrWindowDc(HWND window, bool wholeWindow) {
    GdiState* state = GdiState::Current();
    if (state == nullptr) return nullptr;
    if (window == nullptr) return OpenDisplayDc(state->Screen(), {}, std::nullopt);
    return state->WindowDcs() ? state->WindowDcs()(window, wholeWindow) : nullptr;
}

void ReleaseSelection(HGDIOBJ selected) {
    if (GdiObject* object = FindObject(selected)) --object->selections;
}

}  // namespace

namespace keldra::platform::gdi {

HDC OpenDisplayDc(std::shared_ptr<Surface> target, Point origin, std::optional<Region> deviceClip) {
    auto context = std::make_unique<DeviceContext>(DcKind::Display, std::move(target), origin);
    if (deviceClip) context->SetDeviceClip(std::move(deviceClip));
    const HDC dc = AddDc(std::move(context));
    SelectDefaults(dc);
    return dc;
}

void SetScreenSurface(std::shared_ptr<Surface> screen) {
    GdiState::Require().SetScreen(std::move(screen));
}
void SetWindowDcSource(WindowDcSource source) {
    GdiState::Require().SetWindowDcs(std::move(source));
}

}  // namespace keldra::platform::gdi

HDC CreateCompatibleDC(HDC dc) {
    if (dc != nullptr && FindDc(dc) == nullptr) return nullptr;
    const HDC memory = AddDc(std::make_unique<DeviceContext>(DcKind::Memory, nullptr));
    SelectObject(memory, GdiState::Require().Stock().defaultBitmap);
    SelectDefaults(memory);
    return memory;
}

BOOL DeleteDC(HDC dc) {
    DeviceContext* context = FindDc(dc);
    if (context == nullptr) return FALSE;
    for (HGDIOBJ selected : {context->bitmap, context->brush, context->font}) {
        ReleaseSelection(selected);
    }
    return GdiState::Require().Objects().Remove(dc) ? TRUE : FALSE;
}

HDC GetDC(HWND window) {
    return OpenScreenOrWindowDc(window, false);
}
HDC GetWindowDC(HWND window) {
    return OpenScreenOrWindowDc(window, true);
}

int ReleaseDC(HWND, HDC dc) {
    const DeviceContext* context = FindDc(dc);
    if (context == nullptr || context->Type() != DcKind::Display) return 0;
    return DeleteDC(dc);
}

int GetDeviceCaps(HDC dc, int index) {
    const DeviceContext* context = FindDc(dc);
    if (context == nullptr) return 0;
    const Surface* screen = GdiState::Require().Screen().get();
    switch (index) {
        case PLANES:
            return 1;
        case BITSPIXEL:
            return kDisplayBitsPerPixel;
        case LOGPIXELSX:
        case LOGPIXELSY:
            return kDisplayDpi;
        case HORZRES:
            return screen != nullptr ? screen->Width() : 0;
        case VERTRES:
            return screen != nullptr ? screen->Height() : 0;
        default:
            return 0;
    }
}

namespace {

// The background or text colour of a device context: set it (when `colour` is given) and
// answer the one before.
COLORREF ExchangeColour(HDC dc, Pixel DcColours::*which, std::optional<COLORREF> colour) {
    DeviceContext* context = FindDc(dc);
    if (context == nullptr) return CLR_INVALID;
    const COLORREF previous = ColorRefFromPixel(context->colours.*which);
    if (colour) context->colours.*which = PixelFromColorRef(*colour);
    return previous;
}

}  // namespace

COLORREF SetBkColor(HDC dc, COLORREF colour) {
    return ExchangeColour(dc, &DcColours::background, colour);
}

COLORREF GetBkColor(HDC dc) {
    return ExchangeColour(dc, &DcColours::background, std::nullopt);
}

COLORREF SetTextColor(HDC dc, COLORREF colour) {
    return ExchangeColour(dc, &DcColours::text, colour);
}

COLORREF GetTextColor(HDC dc) {
    return ExchangeColour(dc, &DcColours::text, std::nullopt);
}

int SetBkMode(HDC dc, int mode) {
    DeviceContext* context = FindDc(dc);
    if (context == nullptr || (mode != TRANSPARENT && mode != OPAQUE)) return 0;
    const int previous = context->backgroundMode;
    context->backgroundMode = mode;
    return previous;
}

int GetBkMode(HDC dc) {
    const DeviceContext* context = FindDc(dc);
    return context != nullptr ? context->backgroundMode : 0;
}

BOOL SetBrushOrgEx(HDC dc, int x, int y, LPPOINT previous) {
    DeviceContext* context = FindDc(dc);
    if (context == nullptr || !IsSaneSpan(x, y)) return FALSE;
    if (previous != nullptr) *previous = {context->brushOrigin.x, context->brushOrigin.y};
    context->brushOrigin = {x, y};
    return TRUE;
}

int SelectClipRgn(HDC dc, HRGN region) {
    DeviceContext* context = FindDc(dc);
    if (context == nullptr) return ERROR;
    if (region == nullptr) {
        context->SetClip(std::nullopt);
        return SIMPLEREGION;
    }
    const Region* clip = RegionOf(region);
    if (clip == nullptr) return ERROR;
    context->SetClip(*clip);  // a copy: the caller keeps and may delete its region
    return KindResult(*clip);
}

int IntersectClipRect(HDC dc, int left, int top, int right, int bottom) {
    DeviceContext* context = FindDc(dc);
    if (context == nullptr || !IsSaneSpan(left, right) || !IsSaneSpan(top, bottom)) return ERROR;
    const Region rect(Rect::Normalized(left, top, right, bottom));
    Region clip = context->Clip() ? *context->Clip() : Region(context->ClipBox());
    Region::Combine(clip, rect, RegionOp::And, clip);
    const int kind = KindResult(clip);
    context->SetClip(std::move(clip));
    return kind;
}

int GetClipBox(HDC dc, LPRECT box) {
    const DeviceContext* context = FindDc(dc);
    if (context == nullptr || box == nullptr) return ERROR;
    const Rect r = context->ClipBox();
    *box = {r.left, r.top, r.right, r.bottom};
    if (r.IsEmpty()) return NULLREGION;
    return context->Clip() && context->Clip()->Kind() == RegionKind::Complex ? COMPLEXREGION
                                                                             : SIMPLEREGION;
}
