#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace keldra::settings {

// The temporary files a save makes beside the settings file: ".CONFIG.INI.keldra-save-"
// and six random characters, a name no player would give a file. A save killed midway
// leaves one behind; a later save, holding the file's lock, removes exactly those.
class SaveTempFiles {
  public:
    // How many characters at the template's end are made random.
    static constexpr std::size_t kRandomPart = 6;

    // The template for a temporary file beside `target`: its last six characters are
    // replaced by random letters and digits.
    static std::filesystem::path Template(const std::filesystem::path& target);

    // True when `name` is a temporary file name that a save of `targetName` makes.
    static bool IsLeftover(std::string_view name, std::string_view targetName);

    // Removes every regular file beside `target` whose name is such a leftover; returns how
    // many were removed. Only call it while holding the target's lock.
    static int RemoveLeftovers(const std::filesystem::path& target);

  private:
    static std::filesystem::path FolderOf(const std::filesystem::path& file);

    static constexpr std::string_view kMarker = ".keldra-save-";
};

}  // namespace keldra::settings
