// One borderless native window on the desktop, shaped by a window region where the video
// driver can shape windows.
#pragma once

#include <SDL.h>

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/gdi/image/IconImage.h"
#include "platform/gdi/raster/Region.h"
#include "platform/gdi/raster/Surface.h"
#include "platform/host/Host.h"

namespace keldra::platform::host {

class SdlWindow {
  public:
    // nullptr when SDL cannot make the window; SDL_GetError() tells why. `shaped` asks for a
    // window that can take a shape; it is false where the driver cannot shape.
    // `scale` shows every pixel as scale x scale pixels of the screen (high-DPI screens);
    // rectangles and points stay in the window's own pixels.
    static std::unique_ptr<SdlWindow> Create(const gdi::Rect& screenRect,
                                             const std::string& titleUtf8, bool shaped,
                                             int scale = 1,
                                             NativeWindowRole role = NativeWindowRole::Application);
    ~SdlWindow();
    SdlWindow(const SdlWindow&) = delete;
    SdlWindow& operator=(const SdlWindow&) = delete;

    Uint32 Id() const { return SDL_GetWindowID(window_); }
    // Keeps the window above `owner` on the desktop, as its dialog.
    void BelongTo(const SdlWindow& owner);
    bool IsShaped() const { return shapeMethod_ != ShapeMethod::Rectangle; }
    gdi::Point Position() const;
    // Where the desktop has put the window, when that is not where it was last placed; the
    // window is then counted as placed there.
    std::optional<gdi::Point> TakeDesktopMove();

    // Cuts the window to the region (window coordinates); none means the whole rectangle.
    void SetShape(const std::optional<gdi::Region>& region);
    void Place(const gdi::Rect& screenRect);
    void SetTitle(const std::string& titleUtf8);
    // Every size of the icon: the desktop picks the one it needs (task bar, switcher).
    void SetIcon(const std::vector<gdi::IconImage>& pictures);
    void Show();
    void Hide();
    void Minimize();
    void Restore();

    // Shows the window's pixels, sending the desktop only the rectangles that changed since
    // the last call.
    void Present(const gdi::Surface& pixels);
    // Shows the last pixels again, all of them, after the desktop lost them.
    void Repaint();

  private:
    enum class ShapeMethod { Rectangle, SdlMask, X11Rectangles };

    static std::unique_ptr<SdlWindow> Wrap(SDL_Window* window, ShapeMethod shapeMethod,
                                           const gdi::Rect& screenRect, int scale);
    SdlWindow(SDL_Window* window, ShapeMethod shapeMethod, const gdi::Rect& screenRect, int scale);
    void SetSdlShape();
    int Scaled(int value) const { return value * scale_; }
    std::vector<SDL_Rect> ChangedRects(const gdi::Surface& pixels) const;
    void Copy(const gdi::Surface& pixels, const std::vector<SDL_Rect>& rects);
    void CopyRect(const gdi::Surface& pixels, const SDL_Rect& r, SDL_Surface& target) const;
    void CopyRectScaled(const gdi::Surface& pixels, const SDL_Rect& r, SDL_Surface& target) const;

    SDL_Window* window_;
    ShapeMethod shapeMethod_;
    int scale_;
    gdi::Rect rect_;
    std::optional<gdi::Region> shape_;
    bool shapeApplied_ = false;
    std::shared_ptr<gdi::Surface> shown_;  // what the desktop shows now
};

}  // namespace keldra::platform::host
