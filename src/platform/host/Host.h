// Where the pixels of top-level windows go and where input and time come from. The window
// layer creates a native window for each top-level window when it is first shown and keeps
// it in step; a host turns native input into HostEvents calls.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "platform/gdi/GdiTypes.h"
#include "platform/gdi/image/IconImage.h"
#include "platform/gdi/raster/Region.h"
#include "platform/gdi/raster/Surface.h"
#include "platform/host/HostEvents.h"

namespace keldra::platform::host {

// How the desktop is to treat a native window. The platform's rules for top-level windows
// decide it: an unowned window, or one marked WS_EX_APPWINDOW, has its own task-bar entry; an
// owned window (a message box) stays above its owner and has none; a tool window (a
// drop-down list) is a popup, put exactly where asked and left alone by the window manager.
enum class NativeWindowRole { Application, Owned, Popup };

struct NativeWindowState {
    gdi::Rect screenRect;
    std::wstring title;
    HICON icon = nullptr;
    std::optional<gdi::Region> shape;  // window coordinates; none: the whole rectangle
    // The icon's pictures in every size it has; nullptr for none.
    std::shared_ptr<const std::vector<gdi::IconImage>> iconPictures;
    NativeWindowRole role = NativeWindowRole::Application;
    HWND owner = nullptr;  // the top-level window an Owned or Popup window belongs to
};

class Host {
  public:
    virtual ~Host() = default;

    virtual void Attach(HostEvents* events) = 0;

    virtual void Show(HWND window, const NativeWindowState& state) = 0;
    virtual void Hide(HWND window) = 0;
    virtual void Destroy(HWND window) = 0;
    virtual void Move(HWND window, const gdi::Rect& screenRect) = 0;
    virtual void SetTitle(HWND window, const std::wstring& title) = 0;
    virtual void SetShape(HWND window, const std::optional<gdi::Region>& shape) = 0;
    virtual void SetMinimized(HWND window, bool minimized) = 0;
    // A new icon for a window that is shown already.
    virtual void SetIcon(HWND /*window*/,
                         std::shared_ptr<const std::vector<gdi::IconImage>> /*pictures*/) {}
    // The window's pixels have changed; pixels is its whole surface.
    virtual void Present(HWND window, const gdi::Surface& pixels) = 0;
    virtual void SetMouseCapture(bool captured) = 0;

    // Milliseconds on the host's clock.
    virtual std::uint64_t Now() const = 0;
    virtual gdi::Rect ScreenRect() const = 0;
    // Blocks until input or time arrives and reports it through HostEvents. False when no
    // further input can come, so that a message loop ends instead of waiting forever.
    virtual bool WaitForEvents() = 0;
    // The moment on Now's clock at which the next timer falls due (none: no timer), told
    // before every wait so that a host on a real clock sleeps until then and no longer.
    virtual void SetWakeTime(std::optional<std::uint64_t> /*due*/) {}
};

}  // namespace keldra::platform::host
