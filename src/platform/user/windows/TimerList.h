// The timers of SetTimer: each fires a WM_TIMER once its interval has passed on the host's
// clock. As on the platform, a timer whose message is still waiting is not queued again.
#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "platform/user/UserTypes.h"

namespace keldra::platform::user {

class TimerList {
  public:
    struct Due {
        HWND window;
        UINT_PTR id;
        TIMERPROC callback;
    };

    void Set(HWND window, UINT_PTR id, UINT interval, TIMERPROC callback, std::uint64_t now);
    bool Kill(HWND window, UINT_PTR id);
    void KillAllOf(HWND window);
    // The timers due at now, marked as waiting and rescheduled one interval on.
    std::vector<Due> TakeDue(std::uint64_t now);
    // The WM_TIMER of this timer has left the queue.
    void Delivered(HWND window, UINT_PTR id);
    // When the next timer falls due, so that a waiting loop can sleep until then.
    std::optional<std::uint64_t> NextDue() const;

  private:
    struct Timer {
        HWND window;
        UINT_PTR id;
        UINT interval;
        TIMERPROC callback;
        std::uint64_t due;
        bool waiting;
    };
    std::vector<Timer> timers_;
};

}  // namespace keldra::platform::user
