#include "framework/CBitmapButton.h"

#include "framework/CDC.h"

IMPLEMENT_DYNAMIC(CBitmapButton, CButton)

namespace {

void Reload(CBitmap& slot, UINT id) {
    slot.DeleteObject();
    if (id != 0) slot.LoadBitmap(id);
}

}  // namespace

BOOL CBitmapButton::LoadBitmaps(UINT normalId, UINT selectedId, UINT focusId, UINT disabledId) {
    Reload(m_bitmap, normalId);
    Reload(m_bitmapSel, selectedId);
    Reload(m_bitmapFocus, focusId);
    Reload(m_bitmapDisabled, disabledId);
    return m_bitmap.m_hObject != nullptr ? TRUE : FALSE;
}

void CBitmapButton::SizeToContent() {
    BITMAP info{};
    if (m_bitmap.GetBitmap(&info) == 0) return;
    SetWindowPos(nullptr, -1, -1, info.bmWidth, info.bmHeight,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOREDRAW | SWP_NOACTIVATE);
}

// The image for a state, falling back to the normal one for an empty slot.
const CBitmap& CBitmapButton::ImageFor(UINT state) const {
    const CBitmap* image = &m_bitmap;
    if ((state & ODS_SELECTED) && m_bitmapSel.m_hObject != nullptr) {
        image = &m_bitmapSel;
    } else if ((state & ODS_FOCUS) && m_bitmapFocus.m_hObject != nullptr) {
        image = &m_bitmapFocus;
    } else if ((state & ODS_DISABLED) && m_bitmapDisabled.m_hObject != nullptr) {
        image = &m_bitmapDisabled;
    }
    return *image;
}

void CBitmapButton::DrawItem(LPDRAWITEMSTRUCT item) {
    if (item == nullptr) return;
    CDC target;
    target.Attach(item->hDC);
    CDC memory;
    memory.CreateCompatibleDC(&target);
    const HGDIOBJ previous = memory.SelectObject(ImageFor(item->itemState).m_hObject);
    const RECT& r = item->rcItem;
    target.BitBlt(r.left, r.top, r.right - r.left, r.bottom - r.top, &memory, 0, 0, SRCCOPY);
    memory.SelectObject(previous);
    target.Detach();
}
