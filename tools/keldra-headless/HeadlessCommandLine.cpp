#include "HeadlessCommandLine.h"

#include <string_view>
#include <vector>

#include "launch/FolderArgument.h"

namespace keldra::headless {

namespace {

using launch::FolderArgument;
using launch::UsageError;

constexpr std::string_view kSeeHelp = " (see keldra-headless --help)";

bool MeantAsFolder(const std::filesystem::path& argument) {
    return argument.native().ends_with('/') || !FolderArgument::Problem(argument);
}

HeadlessRequest FolderAndScript(const std::vector<std::filesystem::path>& names) {
    if (names.size() > 2) {
        return UsageError{"at most a game folder and a script, " + std::to_string(names.size()) +
                          " arguments given" + std::string(kSeeHelp)};
    }
    if (names.empty()) return HeadlessStart{};
    if (names.size() == 1 && !MeantAsFolder(names[0])) return HeadlessStart{{}, names[0]};
    if (const auto problem = FolderArgument::Problem(names[0])) return UsageError{*problem};
    if (names.size() == 1) return HeadlessStart{names[0], {}};
    if (MeantAsFolder(names[1])) {
        return UsageError{"the script " + FolderArgument::Quoted(names[1]) + " is a folder" +
                          std::string(kSeeHelp)};
    }
    return HeadlessStart{names[0], names[1]};
}

}  // namespace

HeadlessRequest HeadlessCommandLine::Parse(std::span<const char* const> arguments) {
    std::vector<std::filesystem::path> names;
    bool optionsEnded = false;
    for (const char* argument : arguments) {
        const std::string_view text = argument;
        if (optionsEnded || text == "-" || !text.starts_with('-')) {
            names.emplace_back(text);
        } else if (text == "--") {
            optionsEnded = true;
        } else if (text == "--help" || text == "-h") {
            return launch::ShowHelp{};
        } else {
            return UsageError{"unknown option " + FolderArgument::Quoted(std::string(text)) +
                              std::string(kSeeHelp)};
        }
    }
    return FolderAndScript(names);
}

std::string HeadlessCommandLine::Help() {
    return "Usage: keldra-headless [GAME_FOLDER] [SCRIPT]\n"
           "Runs the settings editor on a virtual screen in GAME_FOLDER (by default the folder\n"
           "it is started in, as if started there), played by the commands in SCRIPT (by\n"
           "default standard input). An argument that names a folder is the game folder,\n"
           "anything else the script; a name ending in '/' is always meant as a folder.\n"
           "Files named in the script are relative to the game folder.\n"
           "\n"
           "  -h, --help  show this help and end\n"
           "  --          what follows are names, even if they start with '-'\n";
}

}  // namespace keldra::headless
