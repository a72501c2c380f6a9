// The command line's ways to start from the desktop menu, as this system has them: Linux
// desktops start the editor from their menu with --menu or --choose-folder; Windows has no
// such start (the program lives in the game's folder and is started there), so there these
// are unknown options like any other.
#pragma once

#include <optional>
#include <string_view>

#include "launch/MenuStart.h"
#include "launch/ProgramArgument.h"

namespace keldra::launch {

class MenuOptions {
  public:
    // The menu start `option` asks for; nothing when it is no menu option here.
    static std::optional<MenuStartMode> Mode(ArgumentView option);
    // The help's usage line for them, and its lines describing them; empty when none.
    static std::string_view UsageLine();
    static std::string_view OptionLines();
};

}  // namespace keldra::launch
