#include "launch/MenuOptions.h"

namespace keldra::launch {

std::optional<MenuStartMode> MenuOptions::Mode(ArgumentView option) {
    if (IsOption(option, "--menu")) return MenuStartMode::UseRemembered;
    if (IsOption(option, "--choose-folder")) return MenuStartMode::AskAgain;
    return std::nullopt;
}

std::string_view MenuOptions::UsageLine() {
    return "       keldra-config --menu | --choose-folder\n";
}

std::string_view MenuOptions::OptionLines() {
    return "  --menu           work in the game folder chosen last time, or ask for one\n"
           "  --choose-folder  ask for the game folder, even when one is remembered\n";
}

}  // namespace keldra::launch
