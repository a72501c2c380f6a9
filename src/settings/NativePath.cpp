#include "settings/NativePath.h"

#include <limits.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <string>

#include "settings/TextCodec.h"

namespace keldra::settings {

std::filesystem::path NativePath::From(std::wstring_view windowsPath) {
    std::string utf8 = TextCodec::ToUtf8(windowsPath);
    std::ranges::replace(utf8, '\\', '/');
    return std::filesystem::path(utf8);
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
