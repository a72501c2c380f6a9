// A region object.
#pragma once

#include "framework/CGdiObject.h"

class CRgn : public CGdiObject {
  public:
    BOOL CreateRectRgn(int left, int top, int right, int bottom);
    // this := first op second (RGN_AND, RGN_OR, RGN_XOR, RGN_DIFF, RGN_COPY).
    int CombineRgn(const CRgn* first, const CRgn* second, int mode);
    BOOL PtInRegion(int x, int y) const;
    operator HRGN() const { return static_cast<HRGN>(m_hObject); }
};
