// _TrackMouseEvent's state: at most one window tracked for hover and leave notices. Hover
// fires once the pointer has rested within a small square for the hover time, then hover
// tracking ends; leave fires when the pointer is no longer over the window and ends all.
#pragma once

#include <cstdint>
#include <optional>

#include "platform/gdi/raster/Geometry.h"
#include "platform/user/UserTypes.h"

namespace keldra::platform::user {

class MouseTracker {
  public:
    struct Notice {
        HWND window;
        UINT message;  // WM_MOUSEHOVER or WM_MOUSELEAVE
    };

    // The platform's default hover time and the side of the square the pointer may wander in.
    static constexpr DWORD kDefaultHoverTime = 400;
    static constexpr int kHoverSquare = 4;

    // A leave notice due at once (the pointer is not over the window), if any.
    std::optional<Notice> Track(HWND window, DWORD flags, DWORD hoverTime, bool pointerOver,
                                gdi::Point pointer, std::uint64_t now);
    void Cancel(HWND window, DWORD flags);
    // The tracking still in force for window: TME_HOVER, TME_LEAVE or both.
    DWORD FlagsFor(HWND window) const;

    std::optional<Notice> PointerMoved(HWND windowUnderPointer, gdi::Point pointer,
                                       std::uint64_t now);
    std::optional<Notice> ClockAdvanced(std::uint64_t now);
    // When a hover notice falls due if the pointer keeps resting; none without hover tracking.
    std::optional<std::uint64_t> HoverDue() const;
    void Forget(HWND window);

  private:
    void EndIfIdle();

    HWND window_ = nullptr;
    bool hover_ = false;
    bool leave_ = false;
    DWORD hoverTime_ = kDefaultHoverTime;
    gdi::Point restPoint_;
    std::uint64_t restSince_ = 0;
};

}  // namespace keldra::platform::user
