#include "platform/user/input/InputRouter.h"

#include "platform/user/windows/WindowManager.h"

namespace keldra::platform::user {

void InputRouter::PointerMoved(gdi::Point screen) {
    pointer_ = screen;
    const HWND under = geometry_.WindowAt(screen);
    if (auto notice = manager_.Tracker().PointerMoved(under, screen, manager_.Now())) {
        manager_.Post(notice->window, notice->message, 0, 0);
    }
    PostMouse(WM_MOUSEMOVE, screen);
}

void InputRouter::LeftButton(gdi::Point screen, bool down) {
    if (screen != pointer_) PointerMoved(screen);
    leftDown_ = down;
    PostMouse(down ? WM_LBUTTONDOWN : WM_LBUTTONUP, screen);
}

void InputRouter::PostMouse(UINT message, gdi::Point screen) {
    const HWND target =
        manager_.Capture() != nullptr ? manager_.Capture() : geometry_.WindowAt(screen);
    if (target == nullptr) return;
    manager_.Post(target, message, MouseKeyState(), ClientPoint(target, screen));
}

void InputRouter::Key(UINT vk, bool down) {
    // With no focus and no active window the key still travels, to nobody, so that the key
    // state stays in step with the queue.
    const HWND target = manager_.Focus() != nullptr ? manager_.Focus() : manager_.Active();
    // Repeat count 1; key-up messages carry the previous-state and transition bits.
    const LPARAM flags = down ? 1 : static_cast<LPARAM>(0xC0000001u);
    manager_.Post(target, down ? WM_KEYDOWN : WM_KEYUP, vk, flags);
}

void InputRouter::ClockAdvanced() {
    const std::uint64_t now = manager_.Now();
    for (const TimerList::Due& due : manager_.Timers().TakeDue(now)) {
        manager_.Post(due.window, WM_TIMER, due.id, reinterpret_cast<LPARAM>(due.callback));
    }
    if (auto notice = manager_.Tracker().ClockAdvanced(now)) {
        manager_.Post(notice->window, notice->message, MouseKeyState(),
                      ClientPoint(notice->window, pointer_));
    }
}

void InputRouter::RestoreRequested(HWND window) {
    manager_.Placement().Show(window, SW_RESTORE);
}

void InputRouter::WindowMoved(HWND window, gdi::Point screen) {
    manager_.Placement().MovedByDesktop(window, screen);
}

void InputRouter::CloseRequested(HWND window) {
    manager_.Post(window, WM_CLOSE, 0, 0);
}

void InputRouter::KeyTaken(const MSG& message) {
    if (message.message != WM_KEYDOWN && message.message != WM_KEYUP) return;
    if (message.wParam < keysDown_.size())
        keysDown_[message.wParam] = message.message == WM_KEYDOWN;
}

bool InputRouter::IsKeyDown(int vk) const {
    if (vk == kLeftButton) return leftDown_;
    return vk >= 0 && vk < static_cast<int>(keysDown_.size()) && keysDown_[vk];
}

WPARAM InputRouter::MouseKeyState() const {
    WPARAM state = 0;
    if (leftDown_) state |= MK_LBUTTON;
    if (IsKeyDown(VK_SHIFT)) state |= MK_SHIFT;
    if (IsKeyDown(VK_CONTROL)) state |= MK_CONTROL;
    return state;
}

LPARAM InputRouter::ClientPoint(HWND window, gdi::Point screen) const {
    const Window* w = manager_.Find(window);
    if (w == nullptr) return 0;
    const gdi::Point origin = geometry_.ScreenOrigin(*w);
    return MAKELPARAM(screen.x - origin.x, screen.y - origin.y);
}

void InputRouter::DeliverPending() {
    manager_.DispatchUntilIdle();
}

}  // namespace keldra::platform::user
