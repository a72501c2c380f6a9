// Arguments written into one Windows command line so that splitting it by the Windows rules
// (those of CommandLineToArgvW and the C runtime) gives each argument back unchanged.
#pragma once

#include <string>
#include <string_view>

namespace keldra::platform {

class CommandLineText {
  public:
    // The program's name, the line's first word: quoted when it holds a space or a tab
    // (its backslashes are a path's, so they stay as they are).
    static std::wstring ProgramName(std::wstring_view name);
    // One argument after the name: quoted when empty or when it holds white space or a
    // quote, with each quote and the backslashes before a quote escaped.
    static std::wstring Argument(std::wstring_view argument);
};

}  // namespace keldra::platform
