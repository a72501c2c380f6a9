#pragma once

#include <chrono>
#include <functional>

namespace keldra::settings {

// A file the game holds open without sharing it (or has locked a range of) cannot be opened
// or replaced until the game lets go, which it does within moments when it is only reading
// or writing it. An operation that fails for that reason is tried again for a short while.
class SharingRetry {
  public:
    static constexpr std::chrono::milliseconds kWait{1500};

    // Runs `attempt` until it succeeds, fails for another reason, or the wait is over; the
    // last attempt's result and GetLastError are what it leaves.
    static bool Run(const std::function<bool()>& attempt, std::chrono::milliseconds wait = kWait);

    static bool IsSharingError(unsigned long error);
};

}  // namespace keldra::settings
