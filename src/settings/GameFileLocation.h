#pragma once

#include <filesystem>
#include <optional>
#include <string_view>

namespace keldra::settings {

// Which file on disk is the one the game reads for the program's path ("<dir>\CONFIG.INI").
// On Linux it is the file at the path. On Windows a game installed under a protected folder
// (Program Files) is virtualized: it reads its per-user VirtualStore copy when one exists,
// and its writes go there when the real file may not be written.
class GameFileLocation {
  public:
    // The file to read.
    static std::filesystem::path ForReading(std::wstring_view path);

    // The file to change, with symbolic links followed to their target.
    static std::filesystem::path ForWriting(std::wstring_view path);

    // Where the game's own writes would go when the real file or its folder refuses them
    // for lack of rights: the VirtualStore copy's path, its folders made. Nothing where the
    // system does not virtualize the path (always on Linux), when `current` is that copy
    // already, or when its folders cannot be made.
    static std::optional<std::filesystem::path> PrepareCopy(std::wstring_view path,
                                                            const std::filesystem::path& current);
};

}  // namespace keldra::settings
