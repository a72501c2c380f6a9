#pragma once

#include <chrono>
#include <filesystem>
#include <string>

#include "settings/SaveResult.h"

#ifdef _WIN32
#include "settings/windows/UniqueHandle.h"
#else
#include <sys/stat.h>

#include "settings/UniqueFd.h"
#endif

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
    // Why the file could not be opened or locked, for a save of `path`, when Failed.
    SaveResult Failure(const std::wstring& path) const;

    // The locked file, opened for writing when the user may write it, else for reading.
    bool Writable() const { return writable_; }
#ifdef _WIN32
    void* Handle() const {
        return file_.Get();
    }
    unsigned long LinkCount() const {
        return links_;
    }
#else
    int Fd() const {
        return fd_.Get();
    }
    const struct stat& Status() const {
        return status_;
    }
#endif

  private:
    enum class Attempt { Locked, Busy, Stale };

    Attempt TryOnce(const std::filesystem::path& path);
    void Open(const std::filesystem::path& path);
    bool IsOpen() const;
    void CloseFile();

    State state_ = State::NoFile;
    int error_ = 0;
    bool writable_ = false;
#ifdef _WIN32
    bool LockRange();
    bool SameFileAt(const std::filesystem::path& path);

    unsigned long systemError_ = 0;
    UniqueHandle file_;
    unsigned long links_ = 1;
#else
    UniqueFd fd_;
    struct stat status_ {};
#endif
};

}  // namespace keldra::settings
