#include "settings/windows/SharingRetry.h"

#include <windows.h>

#include <thread>

namespace keldra::settings {

bool SharingRetry::IsSharingError(unsigned long error) {
    return error == ERROR_SHARING_VIOLATION || error == ERROR_LOCK_VIOLATION ||
           error == ERROR_UNABLE_TO_REMOVE_REPLACED;
}

bool SharingRetry::Run(const std::function<bool()>& attempt, std::chrono::milliseconds wait) {
    using Clock = std::chrono::steady_clock;
    const Clock::time_point deadline = Clock::now() + wait;
    for (;;) {
        if (attempt()) return true;
        const DWORD error = GetLastError();
        if (!IsSharingError(error) || Clock::now() >= deadline) {
            SetLastError(error);
            return false;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
}

}  // namespace keldra::settings
