#include "settings/SettingsTransaction.h"

#include <cerrno>
#include <optional>

#include "settings/AtomicFileWriter.h"
#include "settings/DefaultSettingsFile.h"
#include "settings/FileLock.h"
#include "settings/FileSnapshot.h"
#include "settings/GameFileLocation.h"
#include "settings/IniDocument.h"
#include "settings/IniLineSyntax.h"
#include "settings/LockedFileSaver.h"

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

// The game's own write would have gone to its per-user copy: refused for lack of rights,
// not because the file is marked read-only, which every writer must respect.
bool GoesToTheGamesCopy(const SaveResult& result, const FileSnapshot& current) {
    return !result && result.Code() == EACCES && !(current.Exists() && current.IsReadOnly());
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

bool SettingsTransaction::Apply(std::optional<std::string_view> before, std::string& after) const {
    IniDocument document = before ? IniDocument::Parse(*before) : IniDocument();
    bool changed = false;
    for (const PendingWrite& write : writes_) {
        changed = document.Set(write.section, write.key, write.value) || changed;
    }
    if (changed) after = document.Serialize();
    return changed;
}

SaveResult SettingsTransaction::Commit() const {
    if (!refusal_.empty()) return SaveResult::Failure(path_, EINVAL, refusal_);
    // Each round reads the file as it is once locked; another round is needed only when the
    // file appeared or vanished between the lock and the read.
    for (int round = 0; round < kRounds; ++round) {
        const std::filesystem::path target = GameFileLocation::ForWriting(path_);
        const FileLock lock = FileLock::Acquire(target, lockWait_);
        if (lock.GetState() == FileLock::State::TimedOut) {
            return SaveResult::Failure(path_, EWOULDBLOCK,
                                       "another program kept the file busy; try again");
        }
        if (lock.GetState() == FileLock::State::Failed) return lock.Failure(path_);
        const FileSnapshot current = FileSnapshot::Take(target);
        if (current.GetState() == FileSnapshot::State::Unreadable) {
            // Never replace a file whose content could not be read: it would be lost.
            return SaveResult::Failure(path_, current.Error(), current.Reason());
        }
        if (current.Exists() != lock.Held()) continue;
        std::string bytes;
        const auto before =
            current.Exists() ? std::optional<std::string_view>(current.Bytes()) : std::nullopt;
        if (!Apply(before, bytes)) return SaveResult::Success();
        if (bytes.size() > FileSnapshot::kMaxEditableSize) {
            // Saved, it would read as no file at all the next time.
            return SaveResult::Failure(path_, EFBIG, "the file would grow too large to edit");
        }
        const SaveResult saved = lock.Held()
                                     ? LockedFileSaver::Save(target, path_, bytes, current, lock)
                                     : AtomicFileWriter(target, path_).CreateNew(bytes);
        if (!saved && saved.Code() == EEXIST && !lock.Held()) continue;  // another was first
        if (!GoesToTheGamesCopy(saved, current)) return saved;
        const auto copy = GameFileLocation::PrepareCopy(path_, target);
        if (!copy) return saved;
        // The copy starts as the real file is now, or as the default file where there is
        // none, as the game's first write there would have made it.
        if (!current.Exists()) Apply(DefaultSettingsFile::Bytes(), bytes);
        const SaveResult copied = AtomicFileWriter(*copy, path_).CreateNew(bytes);
        if (copied || copied.Code() != EEXIST) return copied;
    }
    return SaveResult::Failure(path_, EAGAIN, "the file kept changing while it was saved");
}

}  // namespace keldra::settings
