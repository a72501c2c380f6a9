// keldra-headless's command line: an optional game folder and an optional script file. An
// argument that names a folder is the game folder, anything else the script; a name ending
// in '/' is always meant as a folder.
#pragma once

#include <filesystem>
#include <span>
#include <string>
#include <variant>

#include "launch/StartRequest.h"

namespace keldra::headless {

struct HeadlessStart {
    std::filesystem::path folder;  // empty: the folder it is started in
    std::filesystem::path script;  // empty: standard input
    bool operator==(const HeadlessStart&) const = default;
};

using HeadlessRequest = std::variant<HeadlessStart, launch::ShowHelp, launch::UsageError>;

class HeadlessCommandLine {
  public:
    // `arguments` without the program's name. Checks the folder, not the script, which is
    // read (relative to where the program was started) before the folder is entered.
    static HeadlessRequest Parse(std::span<const char* const> arguments);
    static std::string Help();
};

}  // namespace keldra::headless
