// A host without a display: a virtual screen, a virtual clock that moves only when told,
// and input made by tests and scripts. It keeps the last pixels presented for each
// top-level window so that they can be read back, along with its place and state.
//
// Steps queued with Then() run one at a time whenever a message loop has nothing left to
// do, so a test can drive a modal run from the outside; when no step is left, the loop is
// told that no more input can come.
#pragma once

#include <deque>
#include <filesystem>
#include <functional>
#include <map>
#include <memory>

#include "platform/host/Host.h"

namespace keldra::platform::host {

class HeadlessHost : public Host {
  public:
    enum Modifiers : unsigned { kNone = 0, kShift = 1, kControl = 2 };

    struct NativeWindow {
        NativeWindowState state;
        std::shared_ptr<gdi::Surface> pixels;  // as last presented; nullptr before that
        bool shown = false;
        bool minimized = false;
    };

    explicit HeadlessHost(gdi::Rect screen = {0, 0, 1920, 1080});

    // Host
    void Attach(HostEvents* events) override { events_ = events; }
    void Show(HWND window, const NativeWindowState& state) override;
    void Hide(HWND window) override;
    void Destroy(HWND window) override;
    void Move(HWND window, const gdi::Rect& screenRect) override;
    void SetTitle(HWND window, const std::wstring& title) override;
    void SetShape(HWND window, const std::optional<gdi::Region>& shape) override;
    void SetMinimized(HWND window, bool minimized) override;
    void Present(HWND window, const gdi::Surface& pixels) override;
    void SetMouseCapture(bool captured) override { captured_ = captured; }
    std::uint64_t Now() const override { return now_; }
    gdi::Rect ScreenRect() const override { return screen_; }
    bool WaitForEvents() override;

    // Input, reported at once; outside a message loop, Settle() hands it to the windows.
    void MoveMouse(gdi::Point screen);
    void PressLeft();
    void ReleaseLeft();
    void Click(gdi::Point screen);
    void KeyDown(UINT vk);
    void KeyUp(UINT vk);
    // A key pressed and released, with modifiers held around it.
    void TypeKey(UINT vk, unsigned modifiers = kNone);
    void AdvanceTime(std::uint64_t milliseconds);
    void RequestRestore(HWND window);
    void RequestClose(HWND window);

    void Then(std::function<void()> step) { steps_.push_back(std::move(step)); }
    std::size_t PendingSteps() const { return steps_.size(); }
    // Dispatches every waiting message and presents the result.
    void Settle();

    const NativeWindow* Find(HWND window) const;
    bool IsShown(HWND window) const;
    bool IsMinimized(HWND window) const;
    gdi::Rect WindowRect(HWND window) const;
    // The presented colour at a window point, as COLORREF; CLR_INVALID outside or unknown.
    COLORREF PixelAt(HWND window, int x, int y) const;
    bool HasMouseCapture() const { return captured_; }
    gdi::Point Pointer() const { return pointer_; }
    bool SavePng(HWND window, const std::filesystem::path& path) const;

  private:
    gdi::Rect screen_;
    HostEvents* events_ = nullptr;
    std::map<HWND, NativeWindow> windows_;
    std::deque<std::function<void()>> steps_;
    std::uint64_t now_ = 0;
    gdi::Point pointer_;
    bool leftDown_ = false;
    bool captured_ = false;
};

}  // namespace keldra::platform::host
