#pragma once

#include <string>
#include <string_view>

#include "settings/SaveResult.h"

namespace keldra::settings {

// Rewrites an open file where it stands, for the files that cannot be replaced by another:
// one with several names (hard links), or one in a folder the user may not write to. The
// space is reserved first, so that a full disk fails before any byte changes; a write that
// still fails midway puts the old bytes back. Readers may see a half-written file for the
// moment the write takes, which is why a replace is preferred wherever it works.
class InPlaceFileWriter {
  public:
    // `fd` is open for writing on the file that held `previous`; `displayPath` names the file
    // in errors.
#ifdef _WIN32
    using File = void*;  // a HANDLE
#else
    using File = int;
#endif
    InPlaceFileWriter(File fd, std::wstring displayPath)
        : fd_(fd), displayPath_(std::move(displayPath)) {}

    SaveResult Rewrite(std::string_view bytes, std::string_view previous) const;

  private:
#ifdef _WIN32
    unsigned long WriteWhole(std::string_view bytes) const;
    unsigned long Resize(std::size_t size) const;
    SaveResult FailAndRestore(unsigned long error, std::string_view previous) const;
#else
    int Reserve(std::size_t size) const;
    int WriteWhole(std::string_view bytes) const;
    SaveResult FailAndRestore(int error, std::string_view previous) const;
#endif

    File fd_;
    std::wstring displayPath_;
};

}  // namespace keldra::settings
