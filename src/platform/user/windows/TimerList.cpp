#include "platform/user/windows/TimerList.h"

#include <algorithm>

namespace keldra::platform::user {

namespace {
// The platform raises shorter intervals to this.
constexpr UINT kMinimumInterval = 10;
}  // namespace

void TimerList::Set(HWND window, UINT_PTR id, UINT interval, TIMERPROC callback,
                    std::uint64_t now) {
    interval = std::max(interval, kMinimumInterval);
    for (Timer& timer : timers_) {
        if (timer.window == window && timer.id == id) {
            timer = {window, id, interval, callback, now + interval, timer.waiting};
            return;
        }
    }
    timers_.push_back({window, id, interval, callback, now + interval, false});
}

bool TimerList::Kill(HWND window, UINT_PTR id) {
    return std::erase_if(timers_, [&](const Timer& timer) {
               return timer.window == window && timer.id == id;
           }) > 0;
}

void TimerList::KillAllOf(HWND window) {
    std::erase_if(timers_, [&](const Timer& timer) { return timer.window == window; });
}

std::vector<TimerList::Due> TimerList::TakeDue(std::uint64_t now) {
    std::vector<Due> due;
    for (Timer& timer : timers_) {
        if (timer.due > now) continue;
        // Missed periods collapse into one message, as they do on the platform.
        const std::uint64_t periods = (now - timer.due) / timer.interval + 1;
        timer.due += periods * timer.interval;
        if (timer.waiting) continue;
        timer.waiting = true;
        due.push_back({timer.window, timer.id, timer.callback});
    }
    return due;
}

std::optional<std::uint64_t> TimerList::NextDue() const {
    std::optional<std::uint64_t> next;
    for (const Timer& timer : timers_) {
        if (!next || timer.due < *next) next = timer.due;
    }
    return next;
}

void TimerList::Delivered(HWND window, UINT_PTR id) {
    for (Timer& timer : timers_) {
        if (timer.window == window && timer.id == id) timer.waiting = false;
    }
}

}  // namespace keldra::platform::user
