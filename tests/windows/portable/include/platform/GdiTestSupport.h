// The graphics tests' helpers over the system's own GDI, for the portable tests built for
// Windows: the same names as the Linux build's helpers, which reach into the project's
// own bitmaps instead.
#pragma once

#include <windows.h>

#include <cstddef>

#include "support/OwnedGdi.h"

namespace keldra::platform::gdi {

// GDI objects the process holds now.
inline std::size_t LiveObjectCount() {
    return GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS);
}

}  // namespace keldra::platform::gdi

namespace keldra::platform::gdi::testing {

inline HBITMAP NewColourBitmap(int width, int height, COLORREF fill) {
    HBITMAP bitmap = CreateBitmap(width, height, 1, 32, nullptr);
    if (bitmap == nullptr) return nullptr;
    MemoryDc dc(bitmap);
    HBRUSH brush = CreateSolidBrush(fill);
    const RECT all{0, 0, width, height};
    FillRect(dc, &all, brush);
    DeleteObject(brush);
    return bitmap;
}

inline COLORREF PixelOf(HBITMAP bitmap, int x, int y) {
    MemoryDc dc(bitmap);
    return GetPixel(dc, x, y);
}

inline void SetPixelOf(HBITMAP bitmap, int x, int y, COLORREF colour) {
    MemoryDc dc(bitmap);
    SetPixel(dc, x, y, colour);
}

}  // namespace keldra::platform::gdi::testing
