// Update regions and painting: invalidation (children included unless the window clips
// them), the order in which windows paint (parents before children, lower siblings before
// higher ones), BeginPaint / EndPaint, window device contexts clipped to what of the window
// can be seen, and handing changed top-level pixels to the host.
#pragma once

#include <cstddef>
#include <optional>

#include "platform/user/windows/Window.h"
#include "platform/user/windows/WindowGeometry.h"

namespace keldra::platform::user {

class WindowManager;

class PaintController {
  public:
    explicit PaintController(WindowManager& manager);
    ~PaintController();
    PaintController(const PaintController&) = delete;
    PaintController& operator=(const PaintController&) = delete;

    // area in window coordinates; none means the whole window.
    void Invalidate(HWND handle, std::optional<Rect> area, bool erase);
    // The window and every descendant, whole, whatever the styles say.
    void InvalidateTree(HWND handle);
    // The part of a parent that a child covered (parent coordinates), for when the child
    // hides, moves or changes shape.
    void InvalidateUncovered(HWND parent, const Region& area);
    void Validate(HWND handle);

    // The window that should paint next, or nullptr.
    HWND NextToPaint() const;
    HDC BeginPaint(HWND handle, PAINTSTRUCT* paint);
    void EndPaint(HWND handle, const PAINTSTRUCT* paint);
    std::size_t PaintsBegun() const { return paintsBegun_; }

    // A display context on the window, clipped to its visible region (and to clip, window
    // coordinates, when given).
    HDC OpenDc(HWND handle, const std::optional<Region>& clip = std::nullopt);
    // Shows every top-level window whose pixels changed on the host.
    void PresentChanged();

  private:
    void InvalidateArea(Window& window, const Region& area, bool erase, bool forceChildren);
    HWND FirstToPaintIn(HWND handle) const;

    WindowManager& manager_;
    WindowGeometry geometry_;
    std::size_t paintsBegun_ = 0;
};

}  // namespace keldra::platform::user
