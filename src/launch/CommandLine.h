// keldra-config's command line: an optional game folder, the desktop menu's two ways to
// start, --help and --version. Read whole and checked before any window opens.
#pragma once

#include <span>
#include <string>

#include "launch/StartRequest.h"

namespace keldra::launch {

class CommandLine {
  public:
    // `arguments` without the program's name. Options are taken left to right: the first
    // unknown option is the error, --help and --version answer as soon as they are reached.
    // A folder must exist and be a folder; nothing is created or entered.
    static StartRequest Parse(std::span<const char* const> arguments);
    static std::string Help();
    static std::string Version();
};

}  // namespace keldra::launch
