// Handle-to-object lookups shared by the Windows-named calls. Each gives nullptr for a
// null, stale or foreign handle, or a handle of another kind.
#pragma once

#include "platform/gdi/objects/BitmapObject.h"
#include "platform/gdi/objects/BrushObject.h"
#include "platform/gdi/objects/FontObject.h"
#include "platform/gdi/objects/GdiObjectTable.h"
#include "platform/gdi/objects/RegionObject.h"
#include "platform/gdi/raster/DeviceContext.h"
#include "platform/gdi/state/GdiState.h"

namespace keldra::platform::gdi {

// Outside a session no handle names anything: objects that outlive the program's session
// (a global wrapper deleting its bitmap at exit) are refused like stale handles.
inline GdiObject* FindObject(HGDIOBJ handle) {
    GdiState* state = GdiState::Current();
    return state != nullptr ? state->Objects().Find(handle) : nullptr;
}
template <typename T>
T* FindObjectAs(HGDIOBJ handle, ObjectKind kind) {
    GdiObject* object = FindObject(handle);
    return object != nullptr && object->Kind() == kind ? static_cast<T*>(object) : nullptr;
}
inline DeviceContext* FindDc(HDC dc) {
    return FindObjectAs<DeviceContext>(dc, ObjectKind::DeviceContext);
}
inline BitmapObject* FindBitmap(HGDIOBJ bitmap) {
    return FindObjectAs<BitmapObject>(bitmap, ObjectKind::Bitmap);
}
inline BrushObject* FindBrush(HGDIOBJ brush) {
    return FindObjectAs<BrushObject>(brush, ObjectKind::Brush);
}
inline RegionObject* FindRegion(HGDIOBJ region) {
    return FindObjectAs<RegionObject>(region, ObjectKind::Region);
}
inline FontObject* FindFont(HGDIOBJ font) {
    return FindObjectAs<FontObject>(font, ObjectKind::Font);
}
// The table to add a new object to; the program must have a session to make objects.
inline GdiObjectTable& Objects() {
    return GdiState::Require().Objects();
}

// Where drawing through the context lands. When a pattern brush shares the pixels of the
// bitmap selected into a memory context, the bitmap first gets pixels of its own, so the
// brush keeps the picture it was made from.
inline Surface* DrawingTarget(DeviceContext& dc) {
    BitmapObject* bitmap = dc.Type() == DcKind::Memory ? FindBitmap(dc.bitmap) : nullptr;
    if (bitmap != nullptr && bitmap->SharesPixels() && bitmap->TakeOwnPixels()) {
        dc.SetTarget(bitmap->SharedPixels());
    }
    return dc.Target();
}

// Whether x..x+extent stays well inside int, so sums of coordinates cannot overflow.
inline bool IsSaneSpan(long long x, long long extent) {
    constexpr long long kLimit = 1LL << 28;
    return x > -kLimit && x < kLimit && extent > -kLimit && extent < kLimit;
}

inline int KindResult(const Region& region) {
    switch (region.Kind()) {
        case RegionKind::Empty:
            return NULLREGION;
        case RegionKind::Simple:
            return SIMPLEREGION;
        case RegionKind::Complex:
            return COMPLEXREGION;
    }
    return ERROR;
}

}  // namespace keldra::platform::gdi
