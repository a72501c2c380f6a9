// The main window's push button: drawn entirely from three bitmaps (normal, hover, pressed)
// with an optional white caption over them. A selected button keeps its pressed image
// whatever the mouse does, which marks the tab of the page on view.
#pragma once

#include <afxext.h>
#include <afxwin.h>

class CHoverButton : public CBitmapButton {
    DECLARE_DYNAMIC(CHoverButton)

  public:
    CHoverButton() = default;
    ~CHoverButton() override = default;

    // Replaces the images (normal, hover and pressed bitmap ids), then moves the button to
    // (x, y) in its parent and sizes it to the normal image.
    void SetSkin(int x, int y, int normalId, int hoverId, int pressedId);
    // 1 pins the button to its pressed image; any other value releases it. No repaint.
    void SetSelected(int selected);

    void DrawItem(LPDRAWITEMSTRUCT item) override;

  protected:
    afx_msg void OnMouseMove(UINT flags, CPoint point);
    afx_msg void OnMouseHover(UINT flags, CPoint point);
    afx_msg void OnMouseLeave();
    afx_msg BOOL OnEraseBkgnd(CDC* dc);

    BOOL m_bHover = FALSE;     // the pointer rests on the button
    BOOL m_bTracking = FALSE;  // hover and leave notices are asked for
    BOOL m_bSelected = FALSE;  // pinned to the pressed image

    DECLARE_MESSAGE_MAP()

  private:
    CBitmap& ImageFor(UINT itemState);
    void DrawCaption(CDC& target, const RECT& client) const;
};
