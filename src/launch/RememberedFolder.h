// The game folder the player chose last time, kept in one small file under the user's
// configuration folder: the folder's path as its exact bytes, nothing before or after, so
// any name a Linux folder can have (bytes that are not UTF-8, backslashes, line breaks)
// comes back as it was.
#pragma once

#include <filesystem>
#include <optional>

namespace keldra::launch {

class RememberedFolder {
  public:
    // "$XDG_CONFIG_HOME/keldra-config/game-folder", with ~/.config when XDG_CONFIG_HOME is
    // unset, empty or not absolute; nothing (no memory at all) when HOME is not usable either.
    static RememberedFolder ForThisUser();

    explicit RememberedFolder(std::optional<std::filesystem::path> file) : file_(std::move(file)) {}

    const std::optional<std::filesystem::path>& File() const { return file_; }

    // The remembered path; nothing when none is, or the file holds no absolute path.
    std::optional<std::filesystem::path> Load() const;

    // Remembers `folder`, replacing the file in one step so that a start at the same moment
    // reads the old folder or the new one, never part of either. Refuses a path that is not
    // absolute or holds a NUL byte. False when nothing was remembered.
    bool Save(const std::filesystem::path& folder) const;

  private:
    std::optional<std::filesystem::path> file_;
};

}  // namespace keldra::launch
