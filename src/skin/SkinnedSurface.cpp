#include "skin/SkinnedSurface.h"

#include "skin/BitmapRegion.h"

namespace keldra::skin {

namespace {

constexpr COLORREF kLabelText = RGB(255, 255, 255);

}  // namespace

void SkinnedSurface::SetUp(CWnd& window, CBitmap& background, CBrush& brush, UINT bitmapId,
                           Placement placement) {
    background.DeleteObject();
    brush.DeleteObject();
    BITMAP size{};
    // Without its bitmap the window keeps the shape and size of its layout.
    if (!background.LoadBitmap(bitmapId) || background.GetBitmap(&size) == 0) return;
    CutOutline(window, background);
    Resize(window, size, placement);
    brush.CreatePatternBrush(&background);
}

void SkinnedSurface::CutOutline(CWnd& window, const CBitmap& background) {
    HRGN outline = CreateRegionFromBitmap(background, 255, 0, 255);
    if (outline == nullptr) return;  // the window keeps its full rectangle
    // The window owns the region once it is set; one it refuses stays ours to delete.
    if (window.SetWindowRgn(outline, TRUE) == 0) ::DeleteObject(outline);
}

void SkinnedSurface::Resize(CWnd& window, const BITMAP& size, Placement placement) {
    if (placement == Placement::KeepTopLeft) {
        window.SetWindowPos(nullptr, 0, 0, size.bmWidth, size.bmHeight, SWP_NOMOVE | SWP_NOZORDER);
    } else {
        window.SetWindowPos(nullptr, 0, 0, size.bmWidth, size.bmHeight, SWP_NOZORDER);
    }
}

BOOL SkinnedSurface::EraseBackground(CWnd& window, CDC* dc, CBitmap& background) {
    CRect client;
    window.GetClientRect(&client);
    CDC memory;
    memory.CreateCompatibleDC(dc);
    CBitmap* previous = memory.SelectObject(&background);
    dc->BitBlt(0, 0, client.right, client.bottom, &memory, 0, 0, SRCCOPY);
    memory.SelectObject(previous);
    memory.DeleteDC();
    return TRUE;
}

HBRUSH SkinnedSurface::ControlColour(CWnd& window, CDC* dc, CWnd* child, UINT kind,
                                     HBRUSH defaultBrush, CBrush& brush) {
    if (kind != CTLCOLOR_STATIC) return defaultBrush;
    dc->SetTextColor(kLabelText);
    dc->SetBkMode(TRANSPARENT);
    AlignBrushWithWindow(window, dc, child);
    return brush;
}

// The pattern starts at the brush origin of the child's own context; moving it back by the
// child's offset in the window makes the child show the patch of the bitmap behind it, as
// if it were transparent. The offset goes through the screen, so a control nested inside
// another child of the window lines up too.
void SkinnedSurface::AlignBrushWithWindow(CWnd& window, CDC* dc, CWnd* child) {
    if (child == nullptr) return;
    CPoint offset(0, 0);
    child->ClientToScreen(&offset);
    window.ScreenToClient(&offset);
    SetBrushOrgEx(dc->GetSafeHdc(), -offset.x, -offset.y, nullptr);
}

void SkinnedSurface::Destroy(CBrush& brush) {
    brush.DeleteObject();
}

}  // namespace keldra::skin
