#pragma once

#include <string>

#include "settings/SaveResult.h"

namespace keldra::settings {

// A Windows error code (GetLastError) as the settings code reports it: the closest errno
// value, so that callers test failures the same way on every system, and the system's own
// words for the reason.
class WindowsError {
  public:
    static int ToErrno(unsigned long error);
    static std::string Describe(unsigned long error);

    static SaveResult Failure(const std::wstring& path, unsigned long error) {
        return SaveResult::Failure(path, ToErrno(error), Describe(error));
    }
};

}  // namespace keldra::settings
