#pragma once

#ifndef _WIN32
#include <sys/types.h>
#endif

#include <cstddef>
#include <filesystem>
#include <string>

namespace keldra::settings {

// A file's bytes and ownership as they are on disk at one moment.
class FileSnapshot {
  public:
    enum class State { Missing, Read, Unreadable };

    // The largest file that is read and edited. The game's own file is a few kilobytes; a
    // larger one is reported Unreadable (EFBIG) without reading it, so that neither a huge
    // nor a growing file can exhaust memory, and a save refuses to replace it.
    static constexpr std::size_t kMaxEditableSize = std::size_t{64} << 20;

    // A file over maxSize is Unreadable with EFBIG, also one that grows past it while read.
    static FileSnapshot Take(const std::filesystem::path& path,
                             std::size_t maxSize = kMaxEditableSize);

    State GetState() const { return state_; }
    bool Exists() const { return state_ != State::Missing; }
    const std::string& Bytes() const { return bytes_; }
    int Error() const { return error_; }  // errno when Unreadable (the closest one on Windows)
    // Why the file could not be read, in words, when Unreadable.
    std::string Reason() const;

#ifdef _WIN32
    // The read-only attribute: Windows refuses to change the file for every user.
    bool IsReadOnly() const;
    unsigned long Attributes() const {
        return attributes_;
    }
#else
    // No write permission bit at all: the file is read-only for every user, root included.
    bool IsReadOnly() const {
        return (mode_ & 0222) == 0;
    }
    mode_t Mode() const {
        return mode_;
    }
    uid_t Owner() const {
        return owner_;
    }
    gid_t Group() const {
        return group_;
    }
#endif

  private:
    // Makes room after the bytes read so far for the next read and answers its size: the
    // room made once for the expected size, else a chunk, never more than one byte past the
    // limit; 0 once a byte past the limit has been read.
    std::size_t MakeRoomForNextRead(std::size_t maxSize);
#ifdef _WIN32
    FileSnapshot& Fail(unsigned long systemError);
    bool ReadUpTo(void* file, std::size_t maxSize, std::size_t expectedSize);
#else
    FileSnapshot& Fail(int error);
    bool ReadUpTo(int fd, std::size_t maxSize, std::size_t expectedSize);
#endif

    State state_ = State::Missing;
    std::string bytes_;
    int error_ = 0;
    std::size_t maxSize_ = kMaxEditableSize;
#ifdef _WIN32
    unsigned long systemError_ = 0;
    unsigned long attributes_ = 0;
#else
    mode_t mode_ = 0;
    uid_t owner_ = 0;
    gid_t group_ = 0;
#endif
};

}  // namespace keldra::settings
