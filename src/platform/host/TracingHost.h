// A host that writes every call the window layer makes on it, and every event it reports
// back, to the developer's trace before passing it on. The window layer puts one in front
// of the real host when the trace's host channel is on.
#pragma once

#include <memory>

#include "platform/host/Host.h"

namespace keldra::platform::host {

class TracingHost final : public Host, private HostEvents {
  public:
    explicit TracingHost(Host& inner) : inner_(inner) {}

    Host& Inner() const { return inner_; }

    void Attach(HostEvents* events) override;
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
    std::uint64_t Now() const override { return inner_.Now(); }
    gdi::Rect ScreenRect() const override { return inner_.ScreenRect(); }
    bool WaitForEvents() override;
    void SetWakeTime(std::optional<std::uint64_t> due) override;

  private:
    void PointerMoved(gdi::Point screen) override;
    void LeftButton(gdi::Point screen, bool down) override;
    void Key(UINT vk, bool down) override;
    void ClockAdvanced() override;
    void RestoreRequested(HWND window) override;
    void WindowMoved(HWND window, gdi::Point screen) override;
    void CloseRequested(HWND window) override;
    void DeliverPending() override;

    Host& inner_;
    HostEvents* events_ = nullptr;
};

}  // namespace keldra::platform::host
