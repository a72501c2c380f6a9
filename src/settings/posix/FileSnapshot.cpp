#include "settings/FileSnapshot.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <cstring>

#include "settings/UniqueFd.h"

namespace keldra::settings {

namespace {

std::string ReadableSize(std::size_t bytes) {
    if (bytes >= (1u << 20) && bytes % (1u << 20) == 0) return std::to_string(bytes >> 20) + " MiB";
    return std::to_string(bytes) + " bytes";
}

}  // namespace

FileSnapshot FileSnapshot::Take(const std::filesystem::path& path, std::size_t maxSize) {
    FileSnapshot snapshot;
    // Non-blocking, so that a FIFO or device in the file's place cannot hang the reader.
    UniqueFd fd(open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY));
    if (!fd) {
        if (errno == ENOENT) return snapshot;
        return snapshot.Fail(errno);
    }
    struct stat status {};
    if (fstat(fd.Get(), &status) != 0 || !S_ISREG(status.st_mode)) {
        return snapshot.Fail(S_ISDIR(status.st_mode) ? EISDIR : EINVAL);
    }
    snapshot.mode_ = status.st_mode & 07777;
    snapshot.owner_ = status.st_uid;
    snapshot.group_ = status.st_gid;
    snapshot.maxSize_ = maxSize;
    if (static_cast<std::uintmax_t>(status.st_size) > maxSize) return snapshot.Fail(EFBIG);
    if (!snapshot.ReadUpTo(fd.Get(), maxSize, static_cast<std::size_t>(status.st_size)))
        return snapshot;
    snapshot.state_ = State::Read;
    return snapshot;
}

std::string FileSnapshot::Reason() const {
    if (error_ == EFBIG) {
        return "the file is too large to edit (over " + ReadableSize(maxSize_) + ")";
    }
    return std::strerror(error_);
}

FileSnapshot& FileSnapshot::Fail(int error) {
    state_ = State::Unreadable;
    error_ = error;
    bytes_.clear();
    bytes_.shrink_to_fit();
    return *this;
}

// Reads at most one byte past the limit, so that a file growing while it is read is caught
// without holding more than that. The expected size and one byte more are read into room
// made once; only a file that grows meanwhile makes the buffer grow.
bool FileSnapshot::ReadUpTo(int fd, std::size_t maxSize, std::size_t expectedSize) {
    bytes_.reserve(expectedSize + 1);
    for (;;) {
        const std::size_t offset = bytes_.size();
        const std::size_t wanted = MakeRoomForNextRead(maxSize);
        if (wanted == 0) {
            Fail(EFBIG);
            return false;
        }
        const ssize_t count = read(fd, bytes_.data() + offset, wanted);
        const int error = errno;
        bytes_.resize(offset + static_cast<std::size_t>(std::max<ssize_t>(count, 0)));
        if (count == 0) return true;
        if (count < 0 && error != EINTR) {
            Fail(error);
            return false;
        }
    }
}

}  // namespace keldra::settings
