#pragma once

#include <span>
#include <string_view>

#include "settings/SaveResult.h"

namespace keldra::settings {

// The game's default CONFIG.INI, embedded in the program as resource "ini" 137.
class DefaultSettingsFile {
  public:
    // The embedded bytes (empty if the resource is missing from the build).
    static std::string_view Bytes();

    // Writes the default to the path only when nothing at all exists there (no file or
    // folder; a symbolic link is followed to its target): an existing file is never
    // overwritten, repaired or completed.
    // The file appears complete or not at all.
    static SaveResult CreateIfMissing(std::wstring_view path);
};

}  // namespace keldra::settings
