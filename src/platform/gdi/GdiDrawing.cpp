// BitBlt, brushes and FillRect.
#include "platform/gdi/Gdi.h"
#include "platform/gdi/GdiHandles.h"
#include "platform/gdi/objects/GdiLookup.h"
#include "platform/gdi/raster/Blitter.h"

using namespace keldra::platform::gdi;

namespace {

bool ToRasterOp(DWORD rop, RasterOp& op) {
    switch (rop) {
        case SRCCOPY:
            op = RasterOp::Copy;
            return true;
        case SRCINVERT:
            op = RasterOp::Invert;
            return true;
        case SRCAND:
            op = RasterOp::And;
            return true;
        case SRCPAINT:
            op = RasterOp::Paint;
            return true;
        default:
            return false;
    }
}

// Fills area (context coordinates) with brush, inside what the context may draw on.
void PaintArea(DeviceContext& dc, const Rect& area, const Brush& brush) {
    Surface* target = DrawingTarget(dc);
    if (target == nullptr || brush.IsNull()) return;
    const Point origin = dc.Origin();
    const Point patternOrigin{origin.x + dc.brushOrigin.x, origin.y + dc.brushOrigin.y};
    dc.ForEachVisibleRect(
        area, [&](const Rect& piece) { brush.Fill(*target, piece, patternOrigin, dc.colours); });
}

BOOL CopyBetween(DeviceContext& dst, const Rect& area, const DeviceContext& src, Point from,
                 RasterOp op) {
    const Surface* source = src.Target();
    Surface* target = DrawingTarget(dst);  // after the source: they may be the same bitmap
    if (target == nullptr || source == nullptr) return TRUE;  // nothing there to draw
    // Only the part of the source that exists is copied; it fixes how far the area reaches.
    const Rect sourceHere = source->Bounds().Offset(-src.Origin().x, -src.Origin().y);
    const Rect wanted = Rect::FromSize(from.x, from.y, area.Width(), area.Height());
    const Rect available = wanted.Intersect(sourceHere);
    if (available.IsEmpty()) return TRUE;
    const int dx = area.left - from.x;
    const int dy = area.top - from.y;
    const BlitColours colours{src.colours.background, dst.colours};
    dst.ForEachVisibleRect(available.Offset(dx, dy), [&](const Rect& piece) {
        // piece is in target coordinates; find the matching source pixel.
        const Point sourceTopLeft{piece.left - dst.Origin().x - dx + src.Origin().x,
                                  piece.top - dst.Origin().y - dy + src.Origin().y};
        Blitter::Blit(*target, piece, *source, sourceTopLeft, op, colours);
    });
    return TRUE;
}

}  // namespace

BOOL BitBlt(HDC dst, int x, int y, int width, int height, HDC src, int srcX, int srcY, DWORD rop) {
    DeviceContext* target = FindDc(dst);
    if (target == nullptr || width < 0 || height < 0 || !IsSaneSpan(x, width) ||
        !IsSaneSpan(y, height) || !IsSaneSpan(srcX, srcY)) {
        return FALSE;
    }
    const Rect area = Rect::FromSize(x, y, width, height);
    if (rop == PATCOPY) {
        const BrushObject* brush = FindBrush(target->brush);
        if (brush != nullptr) PaintArea(*target, area, brush->Get());
        return TRUE;
    }
    RasterOp op;
    const DeviceContext* source = FindDc(src);
    if (source == nullptr || !ToRasterOp(rop, op)) return FALSE;
    return CopyBetween(*target, area, *source, {srcX, srcY}, op);
}

HBRUSH CreateSolidBrush(COLORREF colour) {
    return static_cast<HBRUSH>(
        Objects().Add(std::make_unique<BrushObject>(Brush::Solid(PixelFromColorRef(colour)))));
}

HBRUSH CreatePatternBrush(HBITMAP pattern) {
    BitmapObject* bitmap = FindBitmap(pattern);
    if (bitmap == nullptr) return nullptr;
    // A bitmap drawn through several contexts at once (the stock one) cannot follow a
    // shared picture into all of them: the brush takes a copy of that one.
    Brush brush = Objects().IsStock(pattern) ? Brush::Pattern(bitmap->Pixels())
                                             : Brush::SharedPattern(bitmap->ShareWithBrush());
    if (brush.IsNull()) return nullptr;  // out of memory for the copy
    return static_cast<HBRUSH>(Objects().Add(std::make_unique<BrushObject>(std::move(brush))));
}

int FillRect(HDC dc, const RECT* rect, HBRUSH brush) {
    DeviceContext* context = FindDc(dc);
    const BrushObject* fill = FindBrush(brush);
    if (context == nullptr || fill == nullptr || rect == nullptr ||
        !IsSaneSpan(rect->left, rect->right) || !IsSaneSpan(rect->top, rect->bottom)) {
        return 0;
    }
    PaintArea(*context, {rect->left, rect->top, rect->right, rect->bottom}, fill->Get());
    return 1;
}
