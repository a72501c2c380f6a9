// Region calls.
#include <cstring>

#include "platform/gdi/Gdi.h"
#include "platform/gdi/GdiHandles.h"
#include "platform/gdi/objects/GdiLookup.h"

using namespace keldra::platform::gdi;

namespace {

bool ToRegionOp(int mode, RegionOp& op) {
    switch (mode) {
        case RGN_AND:
            op = RegionOp::And;
            return true;
        case RGN_OR:
            op = RegionOp::Or;
            return true;
        case RGN_XOR:
            op = RegionOp::Xor;
            return true;
        case RGN_DIFF:
            op = RegionOp::Diff;
            return true;
        default:
            return false;
    }
}

RECT ToRECT(const Rect& r) {
    return {r.left, r.top, r.right, r.bottom};
}

}  // namespace

HRGN CreateRectRgn(int left, int top, int right, int bottom) {
    if (!IsSaneSpan(left, right) || !IsSaneSpan(top, bottom)) return nullptr;
    return CreateRegionHandle(Region(Rect::Normalized(left, top, right, bottom)));
}

HRGN CreateRectRgnIndirect(const RECT* rect) {
    if (rect == nullptr) return nullptr;
    return CreateRectRgn(rect->left, rect->top, rect->right, rect->bottom);
}

int CombineRgn(HRGN dst, HRGN src1, HRGN src2, int mode) {
    Region* target = RegionOf(dst);
    const Region* first = RegionOf(src1);
    if (target == nullptr || first == nullptr) return ERROR;
    if (mode == RGN_COPY) {
        if (target != first) *target = *first;
        return KindResult(*target);
    }
    RegionOp op;
    const Region* second = RegionOf(src2);
    if (second == nullptr || !ToRegionOp(mode, op)) return ERROR;
    Region::Combine(*first, *second, op, *target);
    return KindResult(*target);
}

BOOL PtInRegion(HRGN region, int x, int y) {
    const Region* area = RegionOf(region);
    return area != nullptr && area->Contains({x, y}) ? TRUE : FALSE;
}

int OffsetRgn(HRGN region, int dx, int dy) {
    Region* area = RegionOf(region);
    if (area == nullptr) return ERROR;
    const Rect box = area->Bounds();
    if (!IsSaneSpan(box.left + static_cast<long long>(dx), 0) ||
        !IsSaneSpan(box.right + static_cast<long long>(dx), 0) ||
        !IsSaneSpan(box.top + static_cast<long long>(dy), 0) ||
        !IsSaneSpan(box.bottom + static_cast<long long>(dy), 0)) {
        return ERROR;
    }
    area->Offset(dx, dy);
    return KindResult(*area);
}

int GetRgnBox(HRGN region, LPRECT box) {
    const Region* area = RegionOf(region);
    if (area == nullptr || box == nullptr) return ERROR;
    *box = ToRECT(area->Bounds());
    return KindResult(*area);
}

BOOL EqualRgn(HRGN a, HRGN b) {
    const Region* first = RegionOf(a);
    const Region* second = RegionOf(b);
    if (first == nullptr || second == nullptr) return ERROR;
    return *first == *second ? TRUE : FALSE;
}

DWORD GetRegionData(HRGN region, DWORD size, LPRGNDATA data) {
    const Region* area = RegionOf(region);
    if (area == nullptr) return 0;
    const std::vector<Rect> rects = area->Rects();
    const std::size_t needed = sizeof(RGNDATAHEADER) + rects.size() * sizeof(RECT);
    // Without room, the answer is the size needed, as on the platform.
    if (data == nullptr || size < needed) return static_cast<DWORD>(needed);
    RGNDATAHEADER header{};
    header.dwSize = sizeof(RGNDATAHEADER);
    header.iType = RDH_RECTANGLES;
    header.nCount = static_cast<DWORD>(rects.size());
    header.nRgnSize = static_cast<DWORD>(rects.size() * sizeof(RECT));
    header.rcBound = ToRECT(area->Bounds());
    auto* out = reinterpret_cast<unsigned char*>(data);
    std::memcpy(out, &header, sizeof header);
    for (std::size_t i = 0; i < rects.size(); ++i) {
        const RECT r = ToRECT(rects[i]);
        std::memcpy(out + sizeof header + i * sizeof(RECT), &r, sizeof r);
    }
    return static_cast<DWORD>(needed);
}
