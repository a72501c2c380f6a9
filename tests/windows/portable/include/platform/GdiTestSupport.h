// The graphics tests' helpers over the system's own GDI, for the portable tests built for
// Windows: the same names as the Linux build's helpers, which reach into the project's
// own bitmaps instead.
#pragma once

#include <windows.h>

#include <cstddef>

namespace keldra::platform::gdi {

// GDI objects the process holds now.
inline std::size_t LiveObjectCount() {
    return GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS);
}

}  // namespace keldra::platform::gdi

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
