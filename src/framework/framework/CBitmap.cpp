#include "framework/CBitmap.h"

#include "framework/CDC.h"
#include "framework/CWinApp.h"

BOOL CBitmap::LoadBitmap(UINT resourceId) {
    return Attach(::LoadBitmapW(AfxGetResourceHandle(), MAKEINTRESOURCEW(resourceId)));
}

BOOL CBitmap::CreateBitmap(int width, int height, UINT planes, UINT bitsPerPixel,
                           const void* bits) {
    return Attach(::CreateBitmap(width, height, planes, bitsPerPixel, bits));
}

BOOL CBitmap::CreateCompatibleBitmap(CDC* dc, int width, int height) {
    return Attach(::CreateCompatibleBitmap(dc != nullptr ? dc->m_hDC : nullptr, width, height));
}

int CBitmap::GetBitmap(BITMAP* info) const {
    return GetObject(sizeof(BITMAP), info);
}
