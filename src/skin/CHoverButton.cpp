#include "skin/CHoverButton.h"

#include <string>

IMPLEMENT_DYNAMIC(CHoverButton, CBitmapButton)

BEGIN_MESSAGE_MAP(CHoverButton, CBitmapButton)
ON_WM_MOUSEMOVE()
ON_WM_MOUSEHOVER()
ON_WM_MOUSELEAVE()
ON_WM_ERASEBKGND()
END_MESSAGE_MAP()

namespace {

constexpr COLORREF kCaptionColour = RGB(255, 255, 255);
constexpr DWORD kHoverTimeMs = 1;  // hover look almost as soon as the pointer arrives

UINT BitmapId(int id) {
    return static_cast<WORD>(id);
}

}  // namespace

// The base keeps the images in its slots: normal in the normal one, pressed in the selected
// one, hover in the focus one; the disabled slot is emptied.
void CHoverButton::SetSkin(int x, int y, int normalId, int hoverId, int pressedId) {
    LoadBitmaps(BitmapId(normalId), BitmapId(pressedId), BitmapId(hoverId), 0);
    SizeToContent();
    BITMAP normal{};
    m_bitmap.GetBitmap(&normal);
    MoveWindow(x, y, normal.bmWidth, normal.bmHeight, TRUE);
}

void CHoverButton::SetSelected(int selected) {
    m_bSelected = selected == 1 ? TRUE : FALSE;
}

CBitmap& CHoverButton::ImageFor(UINT itemState) {
    if (m_bSelected || (itemState & ODS_SELECTED) != 0) return m_bitmapSel;
    if (m_bHover) return m_bitmapFocus;
    return m_bitmap;
}

void CHoverButton::DrawItem(LPDRAWITEMSTRUCT item) {
    if (item == nullptr) return;
    CDC target;
    target.Attach(item->hDC);
    CRect client;
    GetClientRect(&client);

    CDC memory;
    memory.CreateCompatibleDC(&target);
    memory.SetBkMode(TRANSPARENT);
    CBitmap& image = ImageFor(item->itemState);
    if (image.m_hObject != nullptr) {
        CBitmap* previous = memory.SelectObject(&image);
        target.BitBlt(0, 0, client.Width(), client.Height(), &memory, 0, 0, SRCCOPY);
        memory.SelectObject(previous);
    }
    memory.DeleteDC();

    DrawCaption(target, client);
    target.Detach();
}

// In the font the item's context already holds: the button's own, from the dialog layout.
void CHoverButton::DrawCaption(CDC& target, const RECT& client) const {
    std::wstring caption;
    GetWindowText(caption);
    if (caption.empty()) return;
    target.SetTextColor(kCaptionColour);
    target.SetBkMode(TRANSPARENT);
    RECT area = client;
    target.DrawText(caption, &area, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
}

void CHoverButton::OnMouseMove(UINT flags, CPoint point) {
    if (!m_bTracking) {
        TRACKMOUSEEVENT track{};
        track.cbSize = sizeof track;
        track.dwFlags = TME_HOVER | TME_LEAVE;
        track.hwndTrack = m_hWnd;
        track.dwHoverTime = kHoverTimeMs;
        m_bTracking = _TrackMouseEvent(&track);
    }
    CBitmapButton::OnMouseMove(flags, point);
}

void CHoverButton::OnMouseHover(UINT, CPoint) {
    m_bHover = TRUE;
    Invalidate(TRUE);
}

void CHoverButton::OnMouseLeave() {
    m_bTracking = FALSE;
    m_bHover = FALSE;
    Invalidate(TRUE);
}

// DrawItem covers the whole button; erasing first would only make it flicker.
BOOL CHoverButton::OnEraseBkgnd(CDC*) {
    return TRUE;
}
