#pragma once

#include <filesystem>
#include <string>

#include "settings/FileLock.h"
#include "settings/FileSnapshot.h"
#include "settings/SaveResult.h"

namespace keldra::settings {

// Saves new bytes over a settings file that exists and is locked: replaced in one step
// where it can be, else rewritten where it stands (see the system's implementation).
class LockedFileSaver {
  public:
    static SaveResult Save(const std::filesystem::path& target, const std::wstring& displayPath,
                           const std::string& bytes, const FileSnapshot& current,
                           const FileLock& lock);
};

}  // namespace keldra::settings
