// Where the editor works when it is started from the desktop menu rather than in the game's
// folder: the folder the player chose last time, or one the player chooses now.
#pragma once

#include <filesystem>
#include <optional>

namespace keldra::launch {

enum class MenuStartMode {
    UseRemembered,  // the remembered folder while it still exists, else ask
    AskAgain,       // ask even when a folder is remembered
};

// The game folder to work in, remembered for the next start; nothing when the player
// cancelled or no way to ask exists (the player has then been told how to start the
// editor with a folder). Nothing is created anywhere but in the remembered-folder file.
std::optional<std::filesystem::path> ResolveMenuFolder(MenuStartMode mode);

}  // namespace keldra::launch
