#include "framework/CBrush.h"

#include "framework/CBitmap.h"

BOOL CBrush::CreateSolidBrush(COLORREF colour) {
    return Attach(::CreateSolidBrush(colour));
}

BOOL CBrush::CreatePatternBrush(CBitmap* bitmap) {
    if (bitmap == nullptr) return FALSE;
    return Attach(::CreatePatternBrush(static_cast<HBITMAP>(bitmap->m_hObject)));
}
