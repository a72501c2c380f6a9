#include "settings/FileLock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <thread>

namespace keldra::settings {

namespace {

constexpr int kOpenFlags = O_CLOEXEC | O_NOCTTY | O_NONBLOCK;

bool SameFile(const struct stat& a, const struct stat& b) {
    return a.st_dev == b.st_dev && a.st_ino == b.st_ino;
}

}  // namespace

bool FileLock::IsOpen() const {
    return static_cast<bool>(fd_);
}

void FileLock::CloseFile() {
    fd_.Close();
}

// Opens the regular file at the path, for writing where the user may, so that a file that
// must be rewritten in place can be written through the locked descriptor itself.
void FileLock::Open(const std::filesystem::path& path) {
    state_ = State::NoFile;
    error_ = 0;
    struct stat named {};
    if (stat(path.c_str(), &named) != 0 || !S_ISREG(named.st_mode)) return;
    writable_ = true;
    fd_ = UniqueFd(open(path.c_str(), O_RDWR | kOpenFlags));
    if (!fd_ && (errno == EACCES || errno == EROFS || errno == ETXTBSY)) {
        writable_ = false;
        fd_ = UniqueFd(open(path.c_str(), O_RDONLY | kOpenFlags));
    }
    if (!fd_) {
        if (errno != ENOENT) {
            state_ = State::Failed;
            error_ = errno;
        }
        return;
    }
    if (fstat(fd_.Get(), &status_) != 0 || !S_ISREG(status_.st_mode)) fd_.Close();
}

SaveResult FileLock::Failure(const std::wstring& path) const {
    return SaveResult::SystemFailure(path, error_);
}

FileLock::Attempt FileLock::TryOnce(const std::filesystem::path& path) {
    while (flock(fd_.Get(), LOCK_EX | LOCK_NB) != 0) {
        if (errno == EINTR) continue;
        if (errno == EWOULDBLOCK) return Attempt::Busy;
        // A file system without locks: the save goes on as it would have without one.
        return Attempt::Locked;
    }
    // The lock is on the file this descriptor opened; a writer that held it before may have
    // put another file under the name since.
    struct stat named {};
    if (stat(path.c_str(), &named) != 0 || fstat(fd_.Get(), &status_) != 0 ||
        !SameFile(named, status_)) {
        return Attempt::Stale;
    }
    return Attempt::Locked;
}

}  // namespace keldra::settings
