#pragma once

#include <utility>

namespace keldra::settings {

// An owned Windows file handle (a HANDLE), closed when it goes out of scope. Kept free of
// <windows.h> so that the headers that hold one stay light.
class UniqueHandle {
  public:
    UniqueHandle() = default;
    explicit UniqueHandle(void* handle) : handle_(Valid(handle) ? handle : nullptr) {}
    ~UniqueHandle() { Reset(); }
    UniqueHandle(UniqueHandle&& other) noexcept : handle_(std::exchange(other.handle_, nullptr)) {}
    UniqueHandle& operator=(UniqueHandle&& other) noexcept {
        if (this != &other) {
            Reset();
            handle_ = std::exchange(other.handle_, nullptr);
        }
        return *this;
    }
    UniqueHandle(const UniqueHandle&) = delete;
    UniqueHandle& operator=(const UniqueHandle&) = delete;

    void* Get() const { return handle_; }
    explicit operator bool() const { return handle_ != nullptr; }

    // Closes now; false when closing failed (a delayed write error), with GetLastError set.
    bool Close();

  private:
    static bool Valid(void* handle) { return handle != nullptr && handle != Invalid(); }
    static void* Invalid() { return reinterpret_cast<void*>(static_cast<long long>(-1)); }
    void Reset() { Close(); }

    void* handle_ = nullptr;
};

}  // namespace keldra::settings
