// keldra-config's command line: an optional game folder, the desktop menu's two ways to
// start (where the system has them, see MenuOptions), --help and --version. Read whole and
// checked before any window opens.
#pragma once

#include <string>

#include "launch/ProgramArgument.h"
#include "launch/StartRequest.h"

namespace keldra::launch {

class CommandLine {
  public:
    // `arguments` without the program's name. Options are taken left to right: the first
    // unknown option is the error, --help and --version answer as soon as they are reached.
    // A folder must exist and be a folder; nothing is created or entered.
    static StartRequest Parse(ProgramArguments arguments);
    static std::string Help();
    static std::string Version();
};

}  // namespace keldra::launch
