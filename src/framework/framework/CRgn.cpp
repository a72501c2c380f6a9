#include "framework/CRgn.h"

BOOL CRgn::CreateRectRgn(int left, int top, int right, int bottom) {
    return Attach(::CreateRectRgn(left, top, right, bottom));
}

int CRgn::CombineRgn(const CRgn* first, const CRgn* second, int mode) {
    return ::CombineRgn(*this, first != nullptr ? static_cast<HRGN>(*first) : nullptr,
                        second != nullptr ? static_cast<HRGN>(*second) : nullptr, mode);
}

BOOL CRgn::PtInRegion(int x, int y) const {
    return ::PtInRegion(*this, x, y);
}
