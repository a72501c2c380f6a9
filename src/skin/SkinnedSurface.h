// The skinned look shared by the main window and the settings pages: the background bitmap
// painted over the whole window, the window's outline cut from that bitmap's magenta
// pixels, and labels and check boxes drawn in white over a brush made from the same bitmap.
// Each window keeps its own bitmap and brush and calls these from its own handlers.
#pragma once

#include <afxwin.h>

namespace keldra::skin {

class SkinnedSurface {
  public:
    enum class Placement { KeepTopLeft, ParentOrigin };  // main window / page

    // The set-up sequence: load `bitmapId` into `background`, cut the window region by
    // magenta and SetWindowRgn(redraw TRUE), resize by the placement rule with SetWindowPos
    // (z-order unchanged), create `brush` as a pattern brush from `background`.
    static void SetUp(CWnd& window, CBitmap& background, CBrush& brush, UINT bitmapId,
                      Placement placement);
    // WM_ERASEBKGND: the bitmap over the client rectangle; returns TRUE.
    static BOOL EraseBackground(CWnd& window, CDC* dc, CBitmap& background);
    // The control-colour handler: for CTLCOLOR_STATIC white text, transparent mode and `brush`
    // (origin aligned so the child shows the part of the bitmap behind it); otherwise
    // `defaultBrush`.
    static HBRUSH ControlColour(CWnd& window, CDC* dc, CWnd* child, UINT kind, HBRUSH defaultBrush,
                                CBrush& brush);
    // WM_DESTROY after the framework's default processing: deletes `brush`.
    static void Destroy(CBrush& brush);

  private:
    static void CutOutline(CWnd& window, const CBitmap& background);
    static void Resize(CWnd& window, const BITMAP& size, Placement placement);
    static void AlignBrushWithWindow(CWnd& window, CDC* dc, CWnd* child);
};

}  // namespace keldra::skin
