// The platform's top-level windows as real windows on the desktop, through SDL2.
#pragma once

#include <SDL.h>

#include <map>
#include <memory>
#include <optional>
#include <string>

#include "platform/gdi/image/FirstWindowPreparation.h"
#include "platform/host/Host.h"
#include "platform/sdl/SdlWindow.h"
#include "platform/sdl/X11PointerInput.h"

namespace keldra::platform::host {

class SdlHost final : public Host {
  public:
    // nullptr, with one line in `error` that says why, when there is no desktop to show
    // windows on (no display, no video driver).
    static std::unique_ptr<SdlHost> Open(std::string& error);
    ~SdlHost() override;
    SdlHost(const SdlHost&) = delete;
    SdlHost& operator=(const SdlHost&) = delete;

    void Attach(HostEvents* events) override { events_ = events; }
    void Show(HWND window, const NativeWindowState& state) override;
    void Hide(HWND window) override;
    void Destroy(HWND window) override;
    void Move(HWND window, const gdi::Rect& screenRect) override;
    void SetTitle(HWND window, const std::wstring& title) override;
    void SetShape(HWND window, const std::optional<gdi::Region>& shape) override;
    void SetMinimized(HWND window, bool minimized) override;
    void SetIcon(HWND window, std::shared_ptr<const std::vector<gdi::IconImage>> pictures) override;
    void Present(HWND window, const gdi::Surface& pixels) override;
    void SetMouseCapture(bool captured) override;
    std::uint64_t Now() const override { return SDL_GetTicks64(); }
    gdi::Rect ScreenRect() const override;
    bool WaitForEvents() override;

    void SetWakeTime(std::optional<std::uint64_t> due) override { wakeAt_ = due; }
    // Handles the next event, waiting at most `timeoutMs` for it.
    void PumpEvents(int timeoutMs);

  private:
    SdlHost() = default;
    SdlWindow* Find(HWND window) const;
    HWND WindowOf(Uint32 id) const;
    void Handle(const SDL_Event& event);
    void HandleWindowEvent(const SDL_WindowEvent& event);
    gdi::Point ScreenPoint(Uint32 windowId, int x, int y) const;
    void ReportMove(gdi::Point screen);
    void ReportButton(gdi::Point screen, bool down);
    void ReportServerPointer(const X11PointerInput::Report& report);
    // Tells the window layer where the desktop has put the window, if it moved it.
    void FollowDesktopMove(HWND hwnd);

    HostEvents* events_ = nullptr;
    bool canShape_ = true;
    bool serverPointer_ = false;  // buttons and crossings come from the X server's own events
    bool captured_ = false;       // a drag holds the mouse
    int scale_ = 1;               // screen pixels per window pixel, on high-DPI screens
    std::optional<gdi::Point> lastPointer_;  // where the window layer was last told it is
    std::map<HWND, std::unique_ptr<SdlWindow>> windows_;
    std::optional<std::uint64_t> wakeAt_;
    // Decodes pictures while the desktop is being reached; ends before SDL does.
    std::unique_ptr<gdi::FirstWindowPreparation> preparation_;
};

}  // namespace keldra::platform::host
