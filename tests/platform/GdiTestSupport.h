// Helpers for the graphics tests: owning wrappers for handles and quick pixel access.
#pragma once

#include <windows.h>

#include <utility>

#include "platform/gdi/GdiHandles.h"

namespace keldra::platform::gdi::testing {

// Deletes a GDI object at the end of the scope.
template <typename Handle>
class Owned {
  public:
    explicit Owned(Handle handle = nullptr) : handle_(handle) {}
    ~Owned() {
        if (handle_ != nullptr) DeleteObject(handle_);
    }
    Owned(const Owned&) = delete;
    Owned& operator=(const Owned&) = delete;

    Handle get() const { return handle_; }
    operator Handle() const { return handle_; }

  private:
    Handle handle_;
};

// A memory device context with a bitmap selected, put back and deleted at the end.
class MemoryDc {
  public:
    explicit MemoryDc(HBITMAP bitmap) : dc_(CreateCompatibleDC(nullptr)) {
        previous_ = SelectObject(dc_, bitmap);
    }
    ~MemoryDc() {
        SelectObject(dc_, previous_);
        DeleteDC(dc_);
    }
    MemoryDc(const MemoryDc&) = delete;
    MemoryDc& operator=(const MemoryDc&) = delete;

    operator HDC() const { return dc_; }

  private:
    HDC dc_;
    HGDIOBJ previous_;
};

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
