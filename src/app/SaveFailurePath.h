// How the editor names CONFIG.INI when a save of it fails.
#pragma once

#include <string>
#include <string_view>

namespace keldra::app {

class SaveFailurePath {
  public:
    // The full path of the file the program meant (a Windows-style path), as the player
    // knows it on this system.
    static std::wstring Shown(std::wstring_view windowsPath);
};

}  // namespace keldra::app
