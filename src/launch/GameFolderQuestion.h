// Asks the player where the game is, with the first folder chooser this desktop has: the
// desktop portal's, then zenity, then kdialog. With none, a message box says how to start
// the editor with the game's folder.
#pragma once

#include <filesystem>
#include <optional>

namespace keldra::launch {

class GameFolderQuestion {
  public:
    // The folder the player chose; nothing when the player cancelled or could not be asked.
    std::optional<std::filesystem::path> Ask() const;

  private:
    static void ExplainHowToStartWithAFolder();
};

}  // namespace keldra::launch
