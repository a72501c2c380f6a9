#pragma once

#include <filesystem>
#include <string>
#include <string_view>

#include "settings/FileSnapshot.h"
#include "settings/SaveResult.h"

namespace keldra::settings {

// Puts a whole file in place in one step: the bytes go to a temporary file in the same
// folder, are flushed to disk, and the temporary file is then renamed over (or linked
// to) the target. A reader sees the old file or the new one, never a torn one; on any
// failure the old file is untouched and the temporary file is gone. The folder itself is
// not flushed: after a crash right after the rename the old, complete file may come back,
// which is harmless, and it keeps a save within a small factor of one plain write.
class AtomicFileWriter {
  public:
    // `displayPath` names the file in errors, as the caller spelled it.
    AtomicFileWriter(std::filesystem::path target, std::wstring displayPath);

    // Replaces the file that `previous` was taken from, keeping its permissions and owner.
    SaveResult Replace(std::string_view bytes, const FileSnapshot& previous) const;

    // Creates the file only if nothing exists at the path; EEXIST otherwise.
    SaveResult CreateNew(std::string_view bytes) const;

  private:
    class TempFile;
#ifndef _WIN32
    SaveResult WriteTemp(TempFile& temp, std::string_view bytes, mode_t mode) const;
    SaveResult Fail(int code) const {
        return SaveResult::SystemFailure(displayPath_, code);
    }
#endif

    std::filesystem::path target_;
    std::wstring displayPath_;
};

}  // namespace keldra::settings
