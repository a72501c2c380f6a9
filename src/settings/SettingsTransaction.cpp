#include "settings/SettingsTransaction.h"

#include <unistd.h>

#include <cerrno>

#include "settings/AtomicFileWriter.h"
#include "settings/FileSnapshot.h"
#include "settings/IniDocument.h"
#include "settings/IniLineSyntax.h"
#include "settings/NativePath.h"

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

SaveResult SettingsTransaction::Commit() const {
    if (!refusal_.empty()) return SaveResult::Failure(path_, EINVAL, refusal_);
    const std::filesystem::path target = NativePath::FollowLinks(NativePath::From(path_));
    const FileSnapshot current = FileSnapshot::Take(target);
    if (current.GetState() == FileSnapshot::State::Unreadable) {
        // Never replace a file whose content could not be read: it would be lost.
        return SaveResult::SystemFailure(path_, current.Error());
    }
    IniDocument document = current.Exists() ? IniDocument::Parse(current.Bytes()) : IniDocument();
    bool changed = false;
    for (const PendingWrite& write : writes_) {
        changed = document.Set(write.section, write.key, write.value) || changed;
    }
    if (!changed) return SaveResult::Success();
    if (current.Exists() && current.IsReadOnly()) {
        return SaveResult::Failure(path_, EACCES, "the file is read-only");
    }
    if (current.Exists() && access(target.c_str(), W_OK) != 0) {
        // Another user's file: the folder may allow a rename, but the file is not ours to change.
        return SaveResult::SystemFailure(path_, errno);
    }
    return AtomicFileWriter(target, path_).Replace(document.Serialize(), current);
}

}  // namespace keldra::settings
