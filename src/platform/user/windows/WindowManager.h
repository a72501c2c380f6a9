// The one object behind the window layer's handle API: the windows and their tree, the
// registered classes, the message queue, focus, capture and activation, and the helpers for
// painting, placement, input and timers. Used from the user-interface thread only.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <unordered_map>
#include <vector>

#include "platform/host/Host.h"
#include "platform/user/input/InputRouter.h"
#include "platform/user/input/MouseTracker.h"
#include "platform/user/paint/PaintController.h"
#include "platform/user/windows/MessageQueue.h"
#include "platform/user/windows/TimerList.h"
#include "platform/user/windows/Window.h"
#include "platform/user/windows/WindowClassRegistry.h"
#include "platform/user/windows/WindowPlacement.h"
#include "platform/user/windows/ZOrder.h"

namespace keldra::platform::user {

struct CreateParams {
    DWORD exStyle = 0;
    std::wstring className;
    std::wstring text;
    DWORD style = 0;
    Rect rect;
    HWND parent = nullptr;
    int id = 0;
    LPVOID createParam = nullptr;
};

class WindowManager {
  public:
    WindowManager();
    // Destroys the windows still open, as DestroyWindow does, without a word to the host:
    // the session is over.
    ~WindowManager();
    WindowManager(const WindowManager&) = delete;
    WindowManager& operator=(const WindowManager&) = delete;

    // The host that shows top-level windows and delivers input; nullptr for none.
    void SetHost(host::Host* host);
    host::Host* Host() const { return host_; }
    // Reaches the desktop only when the program first needs it, so that a program that ends
    // before showing anything never touches it: OpenHost() calls `opener` once, when no host
    // is set, and sets what it returns (nullptr: none, and it is not asked again). The first
    // top-level window and the first look at the screen's size (to place a window) open it.
    // An empty opener drops a waiting one.
    using HostOpener = std::function<host::Host*()>;
    void SetHostOpener(HostOpener opener) { hostOpener_ = std::move(opener); }
    host::Host* OpenHost();
    std::uint64_t Now() const { return host_ != nullptr ? host_->Now() : 0; }
    // The host's screen; without a host, the size a headless host starts with.
    Rect ScreenRect() {
        host::Host* host = OpenHost();
        return host != nullptr ? host->ScreenRect() : Rect{0, 0, 1920, 1080};
    }

    Window* Find(HWND handle) const;
    const std::vector<HWND>& TopLevels() const { return topLevels_.Handles(); }
    HWND TopLevelOf(HWND handle) const;
    bool IsAncestor(HWND ancestor, HWND handle) const;

    // Puts the window among its siblings just below insertAfter (HWND_TOP, HWND_BOTTOM or a
    // sibling's handle).
    void Restack(HWND handle, HWND insertAfter);

    HWND Create(const CreateParams& params);
    bool Destroy(HWND handle);

    LRESULT Send(HWND handle, UINT message, WPARAM wParam, LPARAM lParam);
    bool Post(HWND handle, UINT message, WPARAM wParam, LPARAM lParam);
    // The next message to handle: posted ones, then the quit request, then paint. Waits
    // on the host when wait is set; nullopt when nothing is there (or can come).
    std::optional<MSG> NextMessage(bool remove, bool wait);
    LRESULT Dispatch(const MSG& message);
    // Hands every waiting message to its window and shows the result on the host.
    void DispatchUntilIdle();

    HWND Focus() const { return focus_; }
    HWND SetFocus(HWND handle);
    HWND Active() const { return active_; }
    void Activate(HWND topLevel);
    void Deactivate();
    HWND Capture() const { return capture_; }
    HWND SetCapture(HWND handle);
    void ReleaseCapture();

    WindowClassRegistry& Classes() { return classes_; }
    MessageQueue& Queue() { return queue_; }
    TimerList& Timers() { return timers_; }
    MouseTracker& Tracker() { return tracker_; }
    PaintController& Painter() { return painter_; }
    WindowPlacement& Placement() { return placement_; }
    InputRouter& Input() { return input_; }

  private:
    static HWND NewHandle();
    // Says why in the trace; always nullptr.
    HWND CreateFailed(const CreateParams& params, const char* reason);
    // Hands a message to the window's procedure; verb names the way it came in the trace.
    LRESULT Deliver(const char* verb, HWND handle, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT DeliverTraced(const char* verb, HWND handle, const Window* window, UINT message,
                          WPARAM wParam, LPARAM lParam);
    void Link(Window& window);
    void Unlink(Window& window);
    void SendDestroy(HWND handle);
    void Forget(HWND handle);
    // The next moment a timer or a hover notice falls due.
    std::optional<std::uint64_t> NextWakeTime() const;
    std::vector<HWND> OwnedWindows(HWND owner) const;

    std::unordered_map<HWND, std::unique_ptr<Window>> windows_;
    ZOrder topLevels_;
    host::Host* host_ = nullptr;
    std::unique_ptr<host::Host> tracingHost_;  // in front of the real host while tracing
    HostOpener hostOpener_;
    HWND focus_ = nullptr;
    HWND active_ = nullptr;
    HWND capture_ = nullptr;

    WindowClassRegistry classes_;
    MessageQueue queue_;
    TimerList timers_;
    MouseTracker tracker_;
    PaintController painter_;
    WindowPlacement placement_;
    InputRouter input_;
};

}  // namespace keldra::platform::user
