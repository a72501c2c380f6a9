// Asks for a folder with the desktop's own chooser through the XDG desktop portal on the
// D-Bus session bus: the FileChooser's OpenFile in folder mode, answered later by the
// Response signal of the request it hands back.
#pragma once

#include <string>

#include "launch/FolderAnswer.h"

namespace keldra::launch {

class PortalFolderChooser {
  public:
    explicit PortalFolderChooser(std::string title) : title_(std::move(title)) {}

    // Unavailable when there is no session bus, no portal on it (running or startable),
    // the portal refuses the question, answers with an error or goes away meanwhile.
    FolderAnswer Ask() const;

  private:
    std::string title_;
};

}  // namespace keldra::launch
