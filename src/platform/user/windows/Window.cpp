#include "platform/user/windows/Window.h"

#include <algorithm>

namespace keldra::platform::user {

Window::Window(HWND handle, std::shared_ptr<const WindowClass> windowClass, DWORD style,
               DWORD exStyle, HWND parent, HWND owner)
    : handle_(handle),
      class_(std::move(windowClass)),
      parent_((style & WS_CHILD) != 0 ? parent : nullptr),
      owner_((style & WS_CHILD) != 0 ? nullptr : owner),
      style_(style & ~static_cast<DWORD>(WS_VISIBLE)),
      exStyle_(exStyle),
      procedure_(class_->procedure),
      extra_((class_->windowExtraBytes + sizeof(LONG_PTR) - 1) / sizeof(LONG_PTR), 0) {}

void Window::SetMinimized(bool minimized) {
    minimized_ = minimized;
    SetStyleBit(WS_MINIMIZE, minimized);
}

LONG_PTR* Window::ExtraSlot(int index) {
    const auto slot = static_cast<std::size_t>(index) / sizeof(LONG_PTR);
    if (index < 0 || index % sizeof(LONG_PTR) != 0 || slot >= extra_.size()) return nullptr;
    return &extra_[slot];
}

void Window::AddToUpdate(const Region& area, const Region& within, bool erase) {
    Region::Combine(update_, area, gdi::RegionOp::Or, update_);
    Region::Combine(update_, within, gdi::RegionOp::And, update_);
    erasePending_ = erasePending_ || erase;
}

Window::PendingPaint Window::TakeUpdate() {
    PendingPaint pending{std::move(update_), erasePending_};
    update_ = Region();
    erasePending_ = false;
    return pending;
}

const std::shared_ptr<gdi::Surface>& Window::Pixels() {
    if (pixels_ == nullptr) {
        pixels_ = gdi::Surface::Create(std::max(1, bounds_.Width()), std::max(1, bounds_.Height()),
                                       gdi::PixelFormat::Colour);
    }
    return pixels_;
}

void Window::DropPixels() {
    pixels_.reset();
    needsPresent_ = true;
}

}  // namespace keldra::platform::user
