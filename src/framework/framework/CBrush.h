// A brush object: a solid colour or a pattern from a bitmap.
#pragma once

#include "framework/CGdiObject.h"

class CBitmap;

class CBrush : public CGdiObject {
  public:
    BOOL CreateSolidBrush(COLORREF colour);
    BOOL CreatePatternBrush(CBitmap* bitmap);
    operator HBRUSH() const { return static_cast<HBRUSH>(m_hObject); }
};
