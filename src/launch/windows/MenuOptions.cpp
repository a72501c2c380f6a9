// Windows: no desktop menu start. A player copies the program into the game's folder and
// starts it there (by a double click, or a shortcut whose "Start in" is that folder), so
// --menu and --choose-folder would only be a second, hidden way to do what starting it
// already does; a typed one gets the usual unknown-option line instead.
#include "launch/MenuOptions.h"

namespace keldra::launch {

std::optional<MenuStartMode> MenuOptions::Mode(ArgumentView) {
    return std::nullopt;
}

std::string_view MenuOptions::UsageLine() {
    return {};
}

std::string_view MenuOptions::OptionLines() {
    return {};
}

}  // namespace keldra::launch
