#pragma once

#include <unistd.h>

#include <utility>

namespace keldra::settings {

// An owned file descriptor, closed when it goes out of scope.
class UniqueFd {
  public:
    UniqueFd() = default;
    explicit UniqueFd(int fd) : fd_(fd) {}
    ~UniqueFd() { Reset(); }
    UniqueFd(UniqueFd&& other) noexcept : fd_(std::exchange(other.fd_, -1)) {}
    UniqueFd& operator=(UniqueFd&& other) noexcept {
        if (this != &other) {
            Reset();
            fd_ = std::exchange(other.fd_, -1);
        }
        return *this;
    }
    UniqueFd(const UniqueFd&) = delete;
    UniqueFd& operator=(const UniqueFd&) = delete;

    int Get() const { return fd_; }
    explicit operator bool() const { return fd_ >= 0; }

    // Closes now and reports close's own error, which can be a delayed write error.
    int Close() {
        const int result = fd_ >= 0 ? close(std::exchange(fd_, -1)) : 0;
        return result;
    }

  private:
    void Reset() {
        if (fd_ >= 0) close(std::exchange(fd_, -1));
    }
    int fd_ = -1;
};

}  // namespace keldra::settings
