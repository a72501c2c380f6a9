#include "settings/FileSnapshot.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "settings/UniqueFd.h"

namespace keldra::settings {

FileSnapshot FileSnapshot::Take(const std::filesystem::path& path) {
    FileSnapshot snapshot;
    // Non-blocking, so that a FIFO or device in the file's place cannot hang the reader.
    UniqueFd fd(open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY));
    if (!fd) {
        if (errno == ENOENT) return snapshot;
        snapshot.state_ = State::Unreadable;
        snapshot.error_ = errno;
        return snapshot;
    }
    struct stat status {};
    if (fstat(fd.Get(), &status) != 0 || !S_ISREG(status.st_mode)) {
        snapshot.state_ = State::Unreadable;
        snapshot.error_ = S_ISDIR(status.st_mode) ? EISDIR : EINVAL;
        return snapshot;
    }
    snapshot.mode_ = status.st_mode & 07777;
    snapshot.owner_ = status.st_uid;
    snapshot.group_ = status.st_gid;
    snapshot.bytes_.reserve(static_cast<std::size_t>(status.st_size));
    char buffer[65536];
    for (;;) {
        const ssize_t count = read(fd.Get(), buffer, sizeof buffer);
        if (count == 0) break;
        if (count < 0) {
            if (errno == EINTR) continue;
            snapshot.state_ = State::Unreadable;
            snapshot.error_ = errno;
            return snapshot;
        }
        snapshot.bytes_.append(buffer, static_cast<std::size_t>(count));
    }
    snapshot.state_ = State::Read;
    return snapshot;
}

}  // namespace keldra::settings
