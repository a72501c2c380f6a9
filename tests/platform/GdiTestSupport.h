// Helpers for the graphics tests: owning wrappers for handles and quick pixel access.
#pragma once

#include <windows.h>

#include <utility>

#include "platform/gdi/GdiHandles.h"
#include "support/OwnedGdi.h"

namespace keldra::platform::gdi::testing {

inline HBITMAP NewColourBitmap(int width, int height, COLORREF fill) {
    HBITMAP bitmap = CreateBitmap(width, height, 1, 32, nullptr);
    if (Surface* pixels = SurfaceOf(bitmap))
        pixels->Fill(pixels->Bounds(), PixelFromColorRef(fill));
    return bitmap;
}

inline HBITMAP NewMonoBitmap(int width, int height, bool white) {
    HBITMAP bitmap = CreateBitmap(width, height, 1, 1, nullptr);
    if (Surface* pixels = SurfaceOf(bitmap))
        pixels->Fill(pixels->Bounds(), white ? kWhite : kBlack);
    return bitmap;
}

inline COLORREF PixelOf(HBITMAP bitmap, int x, int y) {
    return ColorRefFromPixel(PixelsOf(bitmap)->At(x, y));
}

inline void SetPixelOf(HBITMAP bitmap, int x, int y, COLORREF colour) {
    SurfaceOf(bitmap)->Set(x, y, PixelFromColorRef(colour));
}

}  // namespace keldra::platform::gdi::testing
