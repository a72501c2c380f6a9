#pragma once

#include <sys/stat.h>

#include <chrono>
#include <filesystem>

#include "settings/UniqueFd.h"

namespace keldra::settings {

// An advisory lock on the settings file itself, held by the program's own writers for a
// whole read-change-write. Readers that take no lock (the game) are never held up by it.
// A save that replaces the file puts a new file under the name, so a writer that waited
// for the lock may hold it on a file that is gone: it then locks the new one.
class FileLock {
  public:
    enum class State {
        Held,      // the regular file at the path is locked by this object
        NoFile,    // nothing to lock: no file, or not a regular file (the reader says why)
        TimedOut,  // another writer kept the lock for the whole wait
        Failed,    // the file could not be opened or locked (Error())
    };

    static FileLock Acquire(const std::filesystem::path& path, std::chrono::milliseconds wait);

    State GetState() const { return state_; }
    bool Held() const { return state_ == State::Held; }
    int Error() const { return error_; }

    // The locked file, opened for writing when the user may write it, else for reading.
    int Fd() const { return fd_.Get(); }
    bool Writable() const { return writable_; }
    const struct stat& Status() const { return status_; }

  private:
    enum class Attempt { Locked, Busy, Stale };

    Attempt TryOnce(const std::filesystem::path& path);
    void Open(const std::filesystem::path& path);

    State state_ = State::NoFile;
    int error_ = 0;
    UniqueFd fd_;
    bool writable_ = false;
    struct stat status_ {};
};

}  // namespace keldra::settings
