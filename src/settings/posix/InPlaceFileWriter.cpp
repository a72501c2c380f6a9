#include "settings/InPlaceFileWriter.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>

namespace keldra::settings {

SaveResult InPlaceFileWriter::Rewrite(std::string_view bytes, std::string_view previous) const {
    if (const int error = Reserve(bytes.size()); error != 0) {
        // Reserving may have grown the file; it is cut back to what it was.
        [[maybe_unused]] const int ignored = ftruncate(fd_, static_cast<off_t>(previous.size()));
        return SaveResult::SystemFailure(displayPath_, error);
    }
    if (const int error = WriteWhole(bytes); error != 0) return FailAndRestore(error, previous);
    if (ftruncate(fd_, static_cast<off_t>(bytes.size())) != 0)
        return FailAndRestore(errno, previous);
    if (fsync(fd_) != 0) return FailAndRestore(errno, previous);
    return SaveResult::Success();
}

// Space for the whole new content, without changing the file's size where the file system
// allows it (readers then see no trailing zeros while the save runs).
int InPlaceFileWriter::Reserve(std::size_t size) const {
    if (size == 0) return 0;
    const auto length = static_cast<off_t>(size);
    if (fallocate(fd_, FALLOC_FL_KEEP_SIZE, 0, length) == 0) return 0;
    if (errno != EOPNOTSUPP && errno != ENOSYS) return errno;
    const int error = posix_fallocate(fd_, 0, length);
    // A file system that cannot reserve at all: the write goes ahead and is undone if it fails.
    return error == EOPNOTSUPP || error == EINVAL ? 0 : error;
}

int InPlaceFileWriter::WriteWhole(std::string_view bytes) const {
    off_t offset = 0;
    while (!bytes.empty()) {
        const ssize_t count = pwrite(fd_, bytes.data(), bytes.size(), offset);
        if (count < 0) {
            if (errno == EINTR) continue;
            return errno;
        }
        if (count == 0) return EIO;
        bytes.remove_prefix(static_cast<std::size_t>(count));
        offset += count;
    }
    return 0;
}

SaveResult InPlaceFileWriter::FailAndRestore(int error, std::string_view previous) const {
    const bool restored = WriteWhole(previous) == 0 &&
                          ftruncate(fd_, static_cast<off_t>(previous.size())) == 0 &&
                          fsync(fd_) == 0;
    if (restored) return SaveResult::SystemFailure(displayPath_, error);
    return SaveResult::Failure(displayPath_, error,
                               std::string("the file could not be written, nor put back as it "
                                           "was: ") +
                                   SaveResult::SystemFailure(displayPath_, error).Reason());
}

}  // namespace keldra::settings
