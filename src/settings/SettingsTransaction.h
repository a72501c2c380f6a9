#pragma once

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

    SaveResult Commit() const;

    const std::wstring& Path() const { return path_; }

  private:
    struct PendingWrite {
        std::wstring section;
        std::wstring key;
        std::wstring value;
    };

    std::wstring path_;
    std::vector<PendingWrite> writes_;
    std::string refusal_;
};

}  // namespace keldra::settings
