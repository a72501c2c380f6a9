// What the editor's command line asks for: where to work, or to say something and end.
#pragma once

#include <filesystem>
#include <string>
#include <variant>

#include "launch/MenuStart.h"

namespace keldra::launch {

// Edit the settings of this folder; an empty path is the folder the program was started in.
struct EditFolder {
    std::filesystem::path folder;
    bool operator==(const EditFolder&) const = default;
};

// Started from the desktop menu: the player's remembered or chosen folder.
struct EditMenuFolder {
    MenuStartMode mode;
    bool operator==(const EditMenuFolder&) const = default;
};

struct ShowHelp {
    bool operator==(const ShowHelp&) const = default;
};

struct ShowVersion {
    bool operator==(const ShowVersion&) const = default;
};

// The command line cannot be followed; `message` is one line without the program's name.
struct UsageError {
    std::string message;
    bool operator==(const UsageError&) const = default;
};

using StartRequest = std::variant<EditFolder, EditMenuFolder, ShowHelp, ShowVersion, UsageError>;

}  // namespace keldra::launch
