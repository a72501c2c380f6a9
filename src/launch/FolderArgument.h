// A game folder named on a command line: whether it is one, entering it, and its name as a
// message shows it.
#pragma once

#include <filesystem>
#include <optional>
#include <string>

namespace keldra::launch {

class FolderArgument {
  public:
    // Why `folder` cannot be worked in (missing, not a folder, not reachable); nothing when
    // it is a folder. Touches nothing.
    static std::optional<std::string> Problem(const std::filesystem::path& folder);
    // Makes `folder` the current folder, exactly as if the program had been started there;
    // the reason when it cannot.
    static std::optional<std::string> Enter(const std::filesystem::path& folder);
    // The name quoted, its bytes kept (on Windows its characters, in UTF-8) except control
    // characters, shown as '?' so that a message about it stays on one line.
    static std::string Quoted(const std::filesystem::path& folder);
};

}  // namespace keldra::launch
