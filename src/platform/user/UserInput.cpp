// Capture, mouse tracking, focus, key state and timers.
#include "platform/user/User.h"
#include "platform/user/windows/UserState.h"
#include "platform/user/windows/WindowGeometry.h"

using keldra::platform::user::CurrentWindows;
using keldra::platform::user::FindWindowOf;
using keldra::platform::user::WindowManager;

namespace {}  // namespace

HWND SetCapture(HWND window) {
    return CurrentWindows().SetCapture(window);
}

BOOL ReleaseCapture() {
    CurrentWindows().ReleaseCapture();
    return TRUE;
}

HWND GetCapture() {
    return CurrentWindows().Capture();
}

BOOL TrackMouseEvent(LPTRACKMOUSEEVENT track) {
    if (track == nullptr || track->cbSize != sizeof(TRACKMOUSEEVENT)) return FALSE;
    WindowManager& manager = CurrentWindows();
    if (manager.Find(track->hwndTrack) == nullptr) return FALSE;
    if (track->dwFlags & TME_CANCEL) {
        manager.Tracker().Cancel(track->hwndTrack, track->dwFlags);
        return TRUE;
    }
    const auto& input = manager.Input();
    const bool over = input.WindowUnderPointer() == track->hwndTrack;
    if (auto notice = manager.Tracker().Track(track->hwndTrack, track->dwFlags, track->dwHoverTime,
                                              over, input.Pointer(), manager.Now())) {
        manager.Post(notice->window, notice->message, 0, 0);
    }
    return TRUE;
}

BOOL _TrackMouseEvent(LPTRACKMOUSEEVENT track) {
    return TrackMouseEvent(track);
}

BOOL GetCursorPos(LPPOINT point) {
    if (point == nullptr) return FALSE;
    const auto pointer = CurrentWindows().Input().Pointer();
    *point = {pointer.x, pointer.y};
    return TRUE;
}

HWND SetFocus(HWND window) {
    if (window != nullptr && CurrentWindows().Find(window) == nullptr) return nullptr;
    return CurrentWindows().SetFocus(window);
}

HWND GetFocus() {
    return CurrentWindows().Focus();
}

HWND GetActiveWindow() {
    return CurrentWindows().Active();
}

HWND SetActiveWindow(HWND window) {
    const HWND previous = CurrentWindows().Active();
    const HWND top = CurrentWindows().TopLevelOf(window);
    if (top == nullptr || !IsWindowVisible(top) || !IsWindowEnabled(top)) return nullptr;
    CurrentWindows().Activate(top);
    return previous;
}

short GetKeyState(int vk) {
    return CurrentWindows().Input().IsKeyDown(vk) ? static_cast<short>(0x8000) : short{0};
}

UINT_PTR SetTimer(HWND window, UINT_PTR id, UINT elapse, TIMERPROC callback) {
    if (window == nullptr || CurrentWindows().Find(window) == nullptr) return 0;
    // A window timer is named by its window and id; the platform answers a zero id with 1.
    const UINT_PTR used = id != 0 ? id : 1;
    CurrentWindows().Timers().Set(window, used, elapse, callback, CurrentWindows().Now());
    return used;
}

BOOL KillTimer(HWND window, UINT_PTR id) {
    return CurrentWindows().Timers().Kill(window, id) ? TRUE : FALSE;
}
