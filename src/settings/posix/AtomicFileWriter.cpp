#include "settings/AtomicFileWriter.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "settings/NativePath.h"
#include "settings/SaveTempFiles.h"
#include "settings/UniqueFd.h"

namespace keldra::settings {

namespace {

// Permissions for a file that did not exist: what a plain create would give.
mode_t NewFileMode() {
    const mode_t mask = umask(0);
    umask(mask);
    return 0666 & ~mask;
}

bool WriteAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t count = write(fd, bytes.data(), bytes.size());
        if (count < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        bytes.remove_prefix(static_cast<std::size_t>(count));
    }
    return true;
}

}  // namespace

// A hidden temporary file beside the target, removed again unless it was put in place.
class AtomicFileWriter::TempFile {
  public:
    explicit TempFile(const std::filesystem::path& target)
        : path_(SaveTempFiles::Template(target).string()),
          fd_(mkostemp(path_.data(), O_CLOEXEC)),
          createError_(fd_ ? 0 : errno),
          created_(static_cast<bool>(fd_)) {}
    ~TempFile() {
        fd_.Close();
        if (created_ && !renamed_) unlink(path_.c_str());
    }
    TempFile(const TempFile&) = delete;
    TempFile& operator=(const TempFile&) = delete;

    bool Created() const { return created_; }
    int CreateError() const { return createError_; }
    int Fd() const { return fd_.Get(); }
    int Close() { return fd_.Close(); }
    const char* Path() const { return path_.c_str(); }
    void MarkRenamed() { renamed_ = true; }

  private:
    std::string path_;
    UniqueFd fd_;
    int createError_;
    bool created_;
    bool renamed_ = false;
};

AtomicFileWriter::AtomicFileWriter(std::filesystem::path target, std::wstring displayPath)
    : target_(std::move(target)), displayPath_(std::move(displayPath)) {}

SaveResult AtomicFileWriter::WriteTemp(TempFile& temp, std::string_view bytes, mode_t mode) const {
    if (!temp.Created()) return Fail(temp.CreateError());
    if (!WriteAll(temp.Fd(), bytes) || fchmod(temp.Fd(), mode) != 0 || fsync(temp.Fd()) != 0 ||
        temp.Close() != 0) {
        return Fail(errno);
    }
    return SaveResult::Success();
}

SaveResult AtomicFileWriter::Replace(std::string_view bytes, const FileSnapshot& previous) const {
    TempFile temp(target_);
    const mode_t mode = previous.Exists() ? previous.Mode() : NewFileMode();
    if (temp.Created() && previous.Exists() &&
        (previous.Owner() != geteuid() || previous.Group() != getegid())) {
        // Keeps the owner when root saves another user's file. A plain user cannot, and
        // the file is then theirs, as any editor's save would leave it: no failure.
        [[maybe_unused]] const int ignored = fchown(temp.Fd(), previous.Owner(), previous.Group());
    }
    if (SaveResult written = WriteTemp(temp, bytes, mode); !written) return written;
    if (rename(temp.Path(), target_.c_str()) != 0) return Fail(errno);
    temp.MarkRenamed();
    return SaveResult::Success();
}

SaveResult AtomicFileWriter::CreateNew(std::string_view bytes) const {
    TempFile temp(target_);
    if (SaveResult written = WriteTemp(temp, bytes, NewFileMode()); !written) return written;
    // link() refuses to replace anything that appeared meanwhile: the complete file is put
    // in place, or nothing is.
    if (link(temp.Path(), target_.c_str()) != 0) {
        const int error = errno;
        if (error == EEXIST || (error != EPERM && error != ENOTSUP && error != EOPNOTSUPP))
            return Fail(error);
        // A file system without hard links: rename, after one more look for a file there.
        if (NativePath::AnythingAt(target_)) return Fail(EEXIST);
        if (rename(temp.Path(), target_.c_str()) != 0) return Fail(errno);
        temp.MarkRenamed();
    }
    return SaveResult::Success();
}

}  // namespace keldra::settings
