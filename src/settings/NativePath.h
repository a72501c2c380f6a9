#pragma once

#include <filesystem>
#include <string_view>

namespace keldra::settings {

// The program forms its paths the Windows way ("<dir>\CONFIG.INI"). On Windows they become
// full paths, in the "\\?\" form when long. On Linux they become the bytes of a Linux
// path: the backslashes the program puts in a path are separators; a backslash that belongs
// to a name travels as U+F05C, and name bytes that are not UTF-8 as U+DC80..U+DCFF
// (platform/kernel/FileNameCodec.h has the whole rule).
class NativePath {
  public:
    static std::filesystem::path From(std::wstring_view windowsPath);

    // The wide path that From turns back into exactly these bytes: From(ToWindows(p)) == p
    // for every path. '/' stays '/'; every byte of a name is kept.
    static std::wstring ToWindows(const std::filesystem::path& path);

    // The path with symbolic links in its last part followed, so that a linked settings
    // file is replaced at its target, not turned into a plain file. A missing target is
    // returned as the path where it would be.
    static std::filesystem::path FollowLinks(const std::filesystem::path& path);

    // True when anything at all is at the path: a file, a folder, a link (even a broken one).
    static bool AnythingAt(const std::filesystem::path& path);
};

}  // namespace keldra::settings
