// Owning wrappers for GDI handles in tests, over the Windows API's names only, so that the
// Linux build's graphics tests and the portable tests built for Windows share them.
#pragma once

#include <windows.h>

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

}  // namespace keldra::platform::gdi::testing
