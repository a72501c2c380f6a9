#pragma once

#include <chrono>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "settings/SaveResult.h"

namespace keldra::settings {

// Gathers any number of writes to one settings file and applies them together: Commit
// reads the file as it is on disk at that moment (so keys that another program changed
// meanwhile survive), applies every write, and replaces the file once. When every write
// leaves its key as it was, the file is not touched at all.
class SettingsTransaction {
  public:
    explicit SettingsTransaction(std::wstring path) : path_(std::move(path)) {}

    // Queues KEY=value for the section. A section, key or value that the file cannot hold
    // as one line of that meaning (a line break or NUL, a key with '=', a section with
    // ']', an empty name) is refused: the write is not queued and Commit fails.
    bool Write(std::wstring_view section, std::wstring_view key, std::wstring_view value);

    // Holds the program's lock on the file from the read to the write, so that the
    // program's own writers never lose each other's changes; gives up after the lock wait.
    SaveResult Commit() const;

    const std::wstring& Path() const { return path_; }

    void SetLockWait(std::chrono::milliseconds wait) { lockWait_ = wait; }

  private:
    struct PendingWrite {
        std::wstring section;
        std::wstring key;
        std::wstring value;
    };

    // Applies every write to the file bytes `before` (none: no file); false when none
    // changes anything, else `after` holds the changed file.
    bool Apply(std::optional<std::string_view> before, std::string& after) const;

    std::wstring path_;
    std::chrono::milliseconds lockWait_{5000};
    std::vector<PendingWrite> writes_;
    std::string refusal_;
};

}  // namespace keldra::settings
