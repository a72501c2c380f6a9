#include "launch/CommandLine.h"

#include <optional>
#include <string_view>
#include <vector>

#include "launch/FolderArgument.h"
#include "launch/MenuOptions.h"

namespace keldra::launch {

namespace {

constexpr std::string_view kSeeHelp = " (see keldra-config --help)";

// The folders and menu options left once --help, --version and unknown options are dealt
// with, checked against each other and the file system.
StartRequest Settle(const std::vector<std::filesystem::path>& folders,
                    std::optional<MenuStartMode> menu, int menuOptions) {
    if (menuOptions > 1) {
        return UsageError{"give only one of --menu and --choose-folder" + std::string(kSeeHelp)};
    }
    if (menu && !folders.empty()) {
        return UsageError{"a game folder and --menu or --choose-folder cannot be given together" +
                          std::string(kSeeHelp)};
    }
    if (menu) return EditMenuFolder{*menu};
    if (folders.size() > 1) {
        return UsageError{"one game folder at most, " + std::to_string(folders.size()) + " given" +
                          std::string(kSeeHelp)};
    }
    if (folders.empty()) return EditFolder{};
    if (auto problem = FolderArgument::Problem(folders.front())) return UsageError{*problem};
    return EditFolder{folders.front()};
}

}  // namespace

StartRequest CommandLine::Parse(ProgramArguments arguments) {
    std::vector<std::filesystem::path> folders;
    std::optional<MenuStartMode> menu;
    int menuOptions = 0;
    bool optionsEnded = false;
    for (const ArgumentChar* argument : arguments) {
        const ArgumentView text = argument;
        if (optionsEnded || IsOption(text, "-") || !text.starts_with(ArgumentChar{'-'})) {
            folders.emplace_back(text);
        } else if (IsOption(text, "--")) {
            optionsEnded = true;
        } else if (IsOption(text, "--help") || IsOption(text, "-h")) {
            return ShowHelp{};
        } else if (IsOption(text, "--version")) {
            return ShowVersion{};
        } else if (const auto mode = MenuOptions::Mode(text)) {
            menu = mode;
            ++menuOptions;
        } else {
            return UsageError{"unknown option " +
                              FolderArgument::Quoted(std::filesystem::path(text)) +
                              std::string(kSeeHelp)};
        }
    }
    return Settle(folders, menu, menuOptions);
}

std::string CommandLine::Help() {
    return std::string("Usage: keldra-config [GAME_FOLDER]\n") +
           std::string(MenuOptions::UsageLine()) +
           "Edits the Keldra game's settings (CONFIG.INI) in GAME_FOLDER, by default the\n"
           "folder it is started in, as if it had been started there.\n"
           "\n" +
           std::string(MenuOptions::OptionLines()) +
           "  -h, --help       show this help and end\n"
           "  --version        show the version and end\n"
           "  --               what follows is the folder, even if it starts with '-'\n"
           "\n"
           "A GAME_FOLDER that is missing or not a folder, or an unknown option, ends it with\n"
           "status 2 before anything is opened or created.\n";
}

std::string CommandLine::Version() {
    return "keldra-config " KELDRA_VERSION "\n";
}

}  // namespace keldra::launch
