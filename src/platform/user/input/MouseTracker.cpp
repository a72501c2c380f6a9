#include "platform/user/input/MouseTracker.h"

#include <cstdlib>

#include "platform/user/UserConstants.h"

namespace keldra::platform::user {

std::optional<MouseTracker::Notice> MouseTracker::Track(HWND window, DWORD flags, DWORD hoverTime,
                                                        bool pointerOver, gdi::Point pointer,
                                                        std::uint64_t now) {
    if (window != window_) {
        window_ = window;
        hover_ = leave_ = false;
    }
    if ((flags & TME_LEAVE) != 0 && !pointerOver) {
        // The platform answers a leave request for a window the pointer is not over at once.
        window_ = nullptr;
        hover_ = leave_ = false;
        return Notice{window, WM_MOUSELEAVE};
    }
    if (flags & TME_HOVER) {
        hover_ = true;
        hoverTime_ = hoverTime == HOVER_DEFAULT ? kDefaultHoverTime : hoverTime;
        restPoint_ = pointer;
        restSince_ = now;
    }
    if (flags & TME_LEAVE) leave_ = true;
    EndIfIdle();
    return std::nullopt;
}

void MouseTracker::Cancel(HWND window, DWORD flags) {
    if (window != window_) return;
    if (flags & TME_HOVER) hover_ = false;
    if (flags & TME_LEAVE) leave_ = false;
    EndIfIdle();
}

DWORD MouseTracker::FlagsFor(HWND window) const {
    if (window == nullptr || window != window_) return 0;
    return (hover_ ? TME_HOVER : 0u) | (leave_ ? TME_LEAVE : 0u);
}

std::optional<MouseTracker::Notice> MouseTracker::PointerMoved(HWND windowUnderPointer,
                                                               gdi::Point pointer,
                                                               std::uint64_t now) {
    if (window_ == nullptr) return std::nullopt;
    if (leave_ && windowUnderPointer != window_) {
        const HWND left = window_;
        window_ = nullptr;
        hover_ = leave_ = false;
        return Notice{left, WM_MOUSELEAVE};
    }
    const bool wandered = std::abs(pointer.x - restPoint_.x) > kHoverSquare / 2 ||
                          std::abs(pointer.y - restPoint_.y) > kHoverSquare / 2;
    if (hover_ && wandered) {
        restPoint_ = pointer;
        restSince_ = now;
    }
    return std::nullopt;
}

std::optional<std::uint64_t> MouseTracker::HoverDue() const {
    if (window_ == nullptr || !hover_) return std::nullopt;
    return restSince_ + hoverTime_;
}

std::optional<MouseTracker::Notice> MouseTracker::ClockAdvanced(std::uint64_t now) {
    if (window_ == nullptr || !hover_ || now - restSince_ < hoverTime_) return std::nullopt;
    const HWND rested = window_;
    hover_ = false;
    EndIfIdle();
    return Notice{rested, WM_MOUSEHOVER};
}

void MouseTracker::Forget(HWND window) {
    if (window != window_) return;
    window_ = nullptr;
    hover_ = leave_ = false;
}

void MouseTracker::EndIfIdle() {
    if (!hover_ && !leave_) window_ = nullptr;
}

}  // namespace keldra::platform::user
