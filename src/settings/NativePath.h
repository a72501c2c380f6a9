#pragma once

#include <filesystem>
#include <string_view>

namespace keldra::settings {

// The program forms its paths the Windows way ("<dir>\CONFIG.INI"); on this system a
// backslash is a separator too, and names are UTF-8.
class NativePath {
  public:
    static std::filesystem::path From(std::wstring_view windowsPath);

    // The path with symbolic links in its last part followed, so that a linked settings
    // file is replaced at its target, not turned into a plain file. A missing target is
    // returned as the path where it would be.
    static std::filesystem::path FollowLinks(const std::filesystem::path& path);

    // True when anything at all is at the path: a file, a folder, a link (even a broken one).
    static bool AnythingAt(const std::filesystem::path& path);
};

}  // namespace keldra::settings
