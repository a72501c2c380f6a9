// DeleteObject, GetObject, GetStockObject, SelectObject and the handle helpers.
#include <algorithm>
#include <cwchar>

#include "platform/gdi/Gdi.h"
#include "platform/gdi/GdiHandles.h"
#include "platform/gdi/objects/GdiLookup.h"
#include "platform/gdi/objects/StockObjects.h"

using namespace keldra::platform::gdi;

namespace {

void FillBitmapInfo(const Surface& surface, BITMAP& out) {
    const int bits = surface.IsMonochrome() ? 1 : 32;
    out = BITMAP{};
    out.bmWidth = surface.Width();
    out.bmHeight = surface.Height();
    // Device-dependent bitmap rows are padded to whole 16-bit words.
    out.bmWidthBytes = (surface.Width() * bits + 15) / 16 * 2;
    out.bmPlanes = 1;
    out.bmBitsPixel = static_cast<WORD>(bits);
}

void FillFontInfo(const FontRequest& request, LOGFONTW& out) {
    out = LOGFONTW{};
    out.lfHeight = -request.emPixels;
    out.lfWeight = request.bold ? FW_BOLD : FW_NORMAL;
    std::wcsncpy(out.lfFaceName, L"MS Shell Dlg", LF_FACESIZE - 1);
}

template <typename Info>
int CopyOut(const Info& info, int size, LPVOID out) {
    if (out == nullptr) return static_cast<int>(sizeof(Info));
    if (size < static_cast<int>(sizeof(Info))) return 0;
    *static_cast<Info*>(out) = info;
    return static_cast<int>(sizeof(Info));
}

// Moves one selection slot of a context from its current object to next.
HGDIOBJ SwapSelection(HGDIOBJ& slot, HGDIOBJ next, GdiObject& nextObject) {
    const HGDIOBJ previous = slot;
    if (GdiObject* old = FindObject(previous)) --old->selections;
    ++nextObject.selections;
    slot = next;
    return previous;
}

HGDIOBJ SelectBitmap(DeviceContext& dc, HGDIOBJ handle, BitmapObject& bitmap) {
    if (dc.Type() != DcKind::Memory) return nullptr;
    if (dc.bitmap == handle) return handle;
    // A bitmap draws into one memory context at a time; the shared stock one excepted.
    if (bitmap.selections > 0 && !Objects().IsStock(handle)) return nullptr;
    dc.SetTarget(bitmap.SharedPixels());
    return SwapSelection(dc.bitmap, handle, bitmap);
}

}  // namespace

BOOL DeleteObject(HGDIOBJ object) {
    GdiObject* found = FindObject(object);
    if (found == nullptr || found->Kind() == ObjectKind::DeviceContext) return FALSE;
    auto& table = Objects();
    if (table.IsStock(object)) return TRUE;   // harmless, as on the platform
    if (found->selections > 0) return FALSE;  // still selected into a device context
    return table.Remove(object) ? TRUE : FALSE;
}

int GetObjectW(HGDIOBJ object, int size, LPVOID out) {
    if (size < 0) return 0;
    if (const BitmapObject* bitmap = FindBitmap(object)) {
        BITMAP info;
        FillBitmapInfo(bitmap->Pixels(), info);
        return CopyOut(info, size, out);
    }
    if (const FontObject* font = FindFont(object)) {
        LOGFONTW info;
        FillFontInfo(font->Request(), info);
        return CopyOut(info, size, out);
    }
    return 0;
}

DWORD GetObjectType(HGDIOBJ object) {
    const GdiObject* found = FindObject(object);
    if (found == nullptr) return 0;
    switch (found->Kind()) {
        case ObjectKind::Bitmap:
            return OBJ_BITMAP;
        case ObjectKind::Brush:
            return OBJ_BRUSH;
        case ObjectKind::Region:
            return OBJ_REGION;
        case ObjectKind::Font:
            return OBJ_FONT;
        case ObjectKind::DeviceContext:
            return static_cast<const DeviceContext*>(found)->Type() == DcKind::Memory ? OBJ_MEMDC
                                                                                      : OBJ_DC;
    }
    return 0;
}

HGDIOBJ GetStockObject(int index) {
    return GdiState::Require().Stock().ByIndex(index);
}

HGDIOBJ SelectObject(HDC dc, HGDIOBJ object) {
    DeviceContext* context = FindDc(dc);
    if (context == nullptr) return nullptr;
    if (BitmapObject* bitmap = FindBitmap(object)) return SelectBitmap(*context, object, *bitmap);
    if (BrushObject* brush = FindBrush(object))
        return SwapSelection(context->brush, object, *brush);
    if (FontObject* font = FindFont(object)) return SwapSelection(context->font, object, *font);
    if (FindRegion(object) != nullptr) {
        // Selecting a region sets the clip region; the answer is the new clip's kind.
        const int kind = SelectClipRgn(dc, static_cast<HRGN>(object));
        return reinterpret_cast<HGDIOBJ>(static_cast<std::intptr_t>(kind));
    }
    return nullptr;
}

namespace keldra::platform::gdi {

std::size_t LiveObjectCount() {
    return Objects().LiveCount();
}
std::size_t LiveObjectCount(ObjectKind kind) {
    return Objects().LiveCount(kind);
}

DeviceContext* DcOf(HDC dc) {
    return FindDc(dc);
}

Surface* SurfaceOf(HBITMAP bitmap) {
    BitmapObject* found = FindBitmap(bitmap);
    if (found == nullptr || !found->TakeOwnPixels()) return nullptr;
    return &found->WritablePixels();
}

const Surface* PixelsOf(HBITMAP bitmap) {
    const BitmapObject* found = FindBitmap(bitmap);
    return found != nullptr ? &found->Pixels() : nullptr;
}

Region* RegionOf(HRGN region) {
    RegionObject* found = FindRegion(region);
    return found != nullptr ? &found->Get() : nullptr;
}

HBITMAP CreateBitmapFromSurface(std::shared_ptr<Surface> surface) {
    if (surface == nullptr) return nullptr;
    return static_cast<HBITMAP>(Objects().Add(std::make_unique<BitmapObject>(std::move(surface))));
}

HRGN CreateRegionHandle(Region region) {
    return static_cast<HRGN>(Objects().Add(std::make_unique<RegionObject>(std::move(region))));
}

}  // namespace keldra::platform::gdi
