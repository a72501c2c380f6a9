#pragma once

#include <sys/types.h>

#include <filesystem>
#include <string>

namespace keldra::settings {

// A file's bytes and ownership as they are on disk at one moment.
class FileSnapshot {
  public:
    enum class State { Missing, Read, Unreadable };

    static FileSnapshot Take(const std::filesystem::path& path);

    State GetState() const { return state_; }
    bool Exists() const { return state_ != State::Missing; }
    const std::string& Bytes() const { return bytes_; }
    int Error() const { return error_; }  // errno when Unreadable

    // No write permission bit at all: the file is read-only for every user, root included.
    bool IsReadOnly() const { return (mode_ & 0222) == 0; }
    mode_t Mode() const { return mode_; }
    uid_t Owner() const { return owner_; }
    gid_t Group() const { return group_; }

  private:
    State state_ = State::Missing;
    std::string bytes_;
    int error_ = 0;
    mode_t mode_ = 0;
    uid_t owner_ = 0;
    gid_t group_ = 0;
};

}  // namespace keldra::settings
