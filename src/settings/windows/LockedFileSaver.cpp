#include "settings/LockedFileSaver.h"

#include <windows.h>

#include <cerrno>

#include "settings/AtomicFileWriter.h"
#include "settings/InPlaceFileWriter.h"
#include "settings/SaveTempFiles.h"

namespace keldra::settings {

// The file is replaced in one step, except where that would cut it off from its other
// names, or where the folder refuses a new file but the file itself may be written: then it
// is rewritten where it stands. A file with the read-only attribute is left alone, as
// Windows leaves it alone for every user.
SaveResult LockedFileSaver::Save(const std::filesystem::path& target,
                                 const std::wstring& displayPath, const std::string& bytes,
                                 const FileSnapshot& current, const FileLock& lock) {
    if (current.IsReadOnly())
        return SaveResult::Failure(displayPath, EACCES, "the file is read-only");
    if (!lock.Writable())
        return SaveResult::Failure(displayPath, EACCES, "access to the file is denied");
    SaveTempFiles::RemoveLeftovers(target);
    const InPlaceFileWriter inPlace(lock.Handle(), displayPath);
    if (lock.LinkCount() > 1) return inPlace.Rewrite(bytes, current.Bytes());
    SaveResult replaced = AtomicFileWriter(target, displayPath).Replace(bytes, current);
    if (replaced || replaced.Code() != EACCES) return replaced;
    return inPlace.Rewrite(bytes, current.Bytes());
}

}  // namespace keldra::settings
