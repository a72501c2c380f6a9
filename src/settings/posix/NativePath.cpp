#include "settings/NativePath.h"

#include <limits.h>
#include <sys/stat.h>
#include <unistd.h>

#include <string>

#include "platform/kernel/FileNameCodec.h"

namespace keldra::settings {

std::filesystem::path NativePath::From(std::wstring_view windowsPath) {
    return std::filesystem::path(platform::FileNameCodec::Encode(windowsPath));
}

std::wstring NativePath::ToWindows(const std::filesystem::path& path) {
    return platform::FileNameCodec::Decode(path.native());
}

std::filesystem::path NativePath::FollowLinks(const std::filesystem::path& path) {
    std::filesystem::path current = path;
    for (int hops = 0; hops < 40; ++hops) {  // a loop of links ends here like ELOOP would
        struct stat status {};
        if (lstat(current.c_str(), &status) != 0 || !S_ISLNK(status.st_mode)) return current;
        char target[PATH_MAX];
        const ssize_t length = readlink(current.c_str(), target, sizeof target - 1);
        if (length < 0) return current;
        const std::filesystem::path next(std::string(target, static_cast<std::size_t>(length)));
        current = next.is_absolute() ? next : current.parent_path() / next;
    }
    return current;
}

bool NativePath::AnythingAt(const std::filesystem::path& path) {
    struct stat status {};
    return lstat(path.c_str(), &status) == 0;
}

}  // namespace keldra::settings
