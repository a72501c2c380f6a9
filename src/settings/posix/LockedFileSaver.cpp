#include "settings/LockedFileSaver.h"

#include <unistd.h>

#include <cerrno>

#include "settings/AtomicFileWriter.h"
#include "settings/InPlaceFileWriter.h"
#include "settings/SaveTempFiles.h"

namespace keldra::settings {

namespace {

bool LinkedElsewhere(const FileLock& lock) {
    return lock.Status().st_nlink > 1;
}

bool RefusedByFolder(const SaveResult& result) {
    return result.Code() == EACCES || result.Code() == EPERM;
}

}  // namespace

// The file is replaced in one step, except where that would cut it off from its other
// names, or where the folder refuses a new file but the file itself may be written: then it
// is rewritten where it stands.
SaveResult LockedFileSaver::Save(const std::filesystem::path& target,
                                 const std::wstring& displayPath, const std::string& bytes,
                                 const FileSnapshot& current, const FileLock& lock) {
    if (current.IsReadOnly())
        return SaveResult::Failure(displayPath, EACCES, "the file is read-only");
    // Another user's file: the folder may allow a rename, but the file is not ours to change.
    if (access(target.c_str(), W_OK) != 0) return SaveResult::SystemFailure(displayPath, errno);
    if (!lock.Writable()) return SaveResult::SystemFailure(displayPath, EACCES);
    SaveTempFiles::RemoveLeftovers(target);
    const InPlaceFileWriter inPlace(lock.Fd(), displayPath);
    if (LinkedElsewhere(lock)) return inPlace.Rewrite(bytes, current.Bytes());
    SaveResult replaced = AtomicFileWriter(target, displayPath).Replace(bytes, current);
    if (replaced || !RefusedByFolder(replaced)) return replaced;
    return inPlace.Rewrite(bytes, current.Bytes());
}

}  // namespace keldra::settings
