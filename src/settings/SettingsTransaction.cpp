#include "settings/SettingsTransaction.h"

#include <unistd.h>

#include <cerrno>

#include "settings/AtomicFileWriter.h"
#include "settings/FileLock.h"
#include "settings/FileSnapshot.h"
#include "settings/InPlaceFileWriter.h"
#include "settings/IniDocument.h"
#include "settings/IniLineSyntax.h"
#include "settings/NativePath.h"
#include "settings/SaveTempFiles.h"

namespace keldra::settings {

namespace {

bool HoldsLineBreakOrNul(std::wstring_view text) {
    constexpr wchar_t kBreaks[] = {L'\r', L'\n', L'\0'};
    return text.find_first_of(std::wstring_view(kBreaks, 3)) != std::wstring_view::npos;
}

// Why a write cannot be stored as the line it means, or empty when it can. Written raw,
// such a text would add lines or keys of its own to the file.
std::string Refusal(std::wstring_view section, std::wstring_view key, std::wstring_view value) {
    if (HoldsLineBreakOrNul(section) || HoldsLineBreakOrNul(key) || HoldsLineBreakOrNul(value)) {
        return "a section, key or value holds a line break or NUL";
    }
    const std::wstring_view name = TrimBlanks(key);
    if (TrimBlanks(section).empty() || name.empty()) return "a section or key name is empty";
    if (section.find(L']') != std::wstring_view::npos) return "a section name holds ']'";
    if (key.find(L'=') != std::wstring_view::npos || name.front() == L'[' || name.front() == L';') {
        return "a key name holds '=' or starts with '[' or ';'";
    }
    return {};
}

constexpr int kRounds = 20;

bool LinkedElsewhere(const FileLock& lock) {
    return lock.Status().st_nlink > 1;
}

bool RefusedByFolder(const SaveResult& result) {
    return result.Code() == EACCES || result.Code() == EPERM;
}

// The file exists and is locked. It is replaced in one step, except where that would cut
// it off from its other names, or where the folder refuses a new file but the file itself
// may be written: then it is rewritten where it stands.
SaveResult SaveLocked(const std::filesystem::path& target, const std::wstring& displayPath,
                      const std::string& bytes, const FileSnapshot& current, const FileLock& lock) {
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

}  // namespace

bool SettingsTransaction::Write(std::wstring_view section, std::wstring_view key,
                                std::wstring_view value) {
    std::string refusal = Refusal(section, key, value);
    if (!refusal.empty()) {
        if (refusal_.empty()) refusal_ = std::move(refusal);
        return false;
    }
    writes_.push_back({std::wstring(section), std::wstring(key), std::wstring(value)});
    return true;
}

bool SettingsTransaction::ApplyTo(IniDocument& document) const {
    bool changed = false;
    for (const PendingWrite& write : writes_) {
        changed = document.Set(write.section, write.key, write.value) || changed;
    }
    return changed;
}

SaveResult SettingsTransaction::Commit() const {
    if (!refusal_.empty()) return SaveResult::Failure(path_, EINVAL, refusal_);
    const std::filesystem::path target = NativePath::FollowLinks(NativePath::From(path_));
    // Each round reads the file as it is once locked; another round is needed only when the
    // file appeared or vanished between the lock and the read.
    for (int round = 0; round < kRounds; ++round) {
        const FileLock lock = FileLock::Acquire(target, lockWait_);
        if (lock.GetState() == FileLock::State::TimedOut) {
            return SaveResult::Failure(path_, EWOULDBLOCK,
                                       "another program kept the file busy; try again");
        }
        if (lock.GetState() == FileLock::State::Failed) {
            return SaveResult::SystemFailure(path_, lock.Error());
        }
        const FileSnapshot current = FileSnapshot::Take(target);
        if (current.GetState() == FileSnapshot::State::Unreadable) {
            // Never replace a file whose content could not be read: it would be lost.
            return SaveResult::Failure(path_, current.Error(), current.Reason());
        }
        if (current.Exists() != lock.Held()) continue;
        IniDocument document =
            current.Exists() ? IniDocument::Parse(current.Bytes()) : IniDocument();
        if (!ApplyTo(document)) return SaveResult::Success();
        std::string bytes = document.Serialize();
        if (bytes.size() > FileSnapshot::kMaxEditableSize) {
            // Saved, it would read as no file at all the next time.
            return SaveResult::Failure(path_, EFBIG, "the file would grow too large to edit");
        }
        if (!lock.Held()) {
            SaveResult created = AtomicFileWriter(target, path_).CreateNew(bytes);
            if (!created && created.Code() == EEXIST) continue;  // another writer was first
            return created;
        }
        return SaveLocked(target, path_, bytes, current, lock);
    }
    return SaveResult::Failure(path_, EAGAIN, "the file kept changing while it was saved");
}

}  // namespace keldra::settings
