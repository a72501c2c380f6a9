// Asks for a folder through a dialog program found on PATH (zenity, kdialog), run without a
// shell: the folder is what it prints on standard output, its status 1 a cancel.
#pragma once

#include <string>
#include <vector>

#include "launch/FolderAnswer.h"

namespace keldra::launch {

class ProgramFolderChooser {
  public:
    static ProgramFolderChooser Zenity(const std::string& title);
    static ProgramFolderChooser Kdialog(const std::string& title);

    // The program's name (looked up on PATH) and its arguments.
    explicit ProgramFolderChooser(std::vector<std::string> command)
        : command_(std::move(command)) {}

    // Unavailable when the program is not on PATH, cannot run, fails, is killed or prints
    // something that is not an absolute path.
    FolderAnswer Ask() const;

  private:
    std::vector<std::string> command_;
};

}  // namespace keldra::launch
