// Turns the host's input and clock into window messages: mouse messages to the captured
// window or the window under the pointer, keys to the focus, hover and leave notices, timers.
// Also keeps the key state that GetKeyState reads.
#pragma once

#include <array>

#include "platform/host/HostEvents.h"
#include "platform/user/windows/WindowGeometry.h"

namespace keldra::platform::user {

class WindowManager;

class InputRouter : public host::HostEvents {
  public:
    explicit InputRouter(WindowManager& manager) : manager_(manager), geometry_(manager) {}

    void PointerMoved(gdi::Point screen) override;
    void LeftButton(gdi::Point screen, bool down) override;
    void Key(UINT vk, bool down) override;
    void ClockAdvanced() override;
    void RestoreRequested(HWND window) override;
    void WindowMoved(HWND window, gdi::Point screen) override;
    void CloseRequested(HWND window) override;
    void DeliverPending() override;

    gdi::Point Pointer() const { return pointer_; }
    // Keys count as down from when their WM_KEYDOWN leaves the queue, as on the platform, so
    // that Shift is down for the keys typed while it is held.
    void KeyTaken(const MSG& message);
    bool IsKeyDown(int vk) const;
    WPARAM MouseKeyState() const;
    // The pointer in the window's client coordinates, packed as mouse messages carry it.
    LPARAM ClientPoint(HWND window, gdi::Point screen) const;
    HWND WindowUnderPointer() const { return geometry_.WindowAt(pointer_); }

  private:
    void PostMouse(UINT message, gdi::Point screen);

    WindowManager& manager_;
    WindowGeometry geometry_;
    gdi::Point pointer_{-1, -1};
    static constexpr int kLeftButton = 0x01;  // VK_LBUTTON
    std::array<bool, 256> keysDown_{};
    bool leftDown_ = false;
};

}  // namespace keldra::platform::user
