// A bitmap object: loaded from the program's resources or made to measure.
#pragma once

#include "framework/CGdiObject.h"

class CDC;

class CBitmap : public CGdiObject {
  public:
    BOOL LoadBitmap(UINT resourceId);
    BOOL CreateBitmap(int width, int height, UINT planes, UINT bitsPerPixel, const void* bits);
    BOOL CreateCompatibleBitmap(CDC* dc, int width, int height);
    int GetBitmap(BITMAP* info) const;
    operator HBITMAP() const { return static_cast<HBITMAP>(m_hObject); }
};
