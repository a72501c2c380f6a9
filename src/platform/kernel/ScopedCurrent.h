// The object of type T that the platform's functions use now: the newest ScopedCurrent<T>
// that lives. When it ends, the one before it is current again, so a program run inside a
// test can make a session of its own. Set and read on the user-interface thread; a helper
// thread may read it while the session that started the thread lives.
#pragma once

#include <utility>

namespace keldra::platform {

// Says on standard error that `layer` was used with no session and ends the process: a
// program calls the platform only between making its session and dropping it.
[[noreturn]] void NoPlatformSession(const char* layer);

template <typename T>
class ScopedCurrent {
  public:
    explicit ScopedCurrent(T* object) : previous_(std::exchange(current_, object)) {}
    ~ScopedCurrent() { current_ = previous_; }
    ScopedCurrent(const ScopedCurrent&) = delete;
    ScopedCurrent& operator=(const ScopedCurrent&) = delete;

    // nullptr outside any session.
    static T* Get() { return current_; }
    static T& Require(const char* layer) {
        if (current_ == nullptr) NoPlatformSession(layer);
        return *current_;
    }

  private:
    static inline T* current_ = nullptr;
    T* previous_;
};

}  // namespace keldra::platform
