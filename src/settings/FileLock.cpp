#include "settings/FileLock.h"

#include <algorithm>
#include <thread>

namespace keldra::settings {

// Waits for the lock in growing pauses, up to `wait`; what opening and locking mean is each
// system's own (posix/, windows/).
FileLock FileLock::Acquire(const std::filesystem::path& path, std::chrono::milliseconds wait) {
    using Clock = std::chrono::steady_clock;
    const Clock::time_point deadline = Clock::now() + wait;
    std::chrono::milliseconds pause(1);
    FileLock lock;
    for (;;) {
        lock.Open(path);
        if (!lock.IsOpen()) return lock;
        const Attempt attempt = lock.TryOnce(path);
        if (attempt == Attempt::Locked) {
            lock.state_ = State::Held;
            return lock;
        }
        lock.CloseFile();
        if (Clock::now() >= deadline) {
            lock.state_ = State::TimedOut;
            return lock;
        }
        // A stale lock means the file was just replaced: the new one is locked at once.
        if (attempt == Attempt::Busy) {
            std::this_thread::sleep_for(pause);
            pause = std::min(pause * 2, std::chrono::milliseconds(16));
        }
    }
}

}  // namespace keldra::settings
