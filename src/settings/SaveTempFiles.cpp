#include "settings/SaveTempFiles.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <memory>

namespace keldra::settings {

namespace {

std::filesystem::path FolderOf(const std::filesystem::path& file) {
    return file.has_parent_path() ? file.parent_path() : std::filesystem::path(".");
}

bool IsTemplateCharacter(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9');
}

struct DirCloser {
    void operator()(DIR* dir) const { closedir(dir); }
};

}  // namespace

std::filesystem::path SaveTempFiles::Template(const std::filesystem::path& target) {
    std::string name = ".";
    name += target.filename().string();
    name += kMarker;
    name.append(kRandomPart, 'X');
    return FolderOf(target) / name;
}

bool SaveTempFiles::IsLeftover(std::string_view name, std::string_view targetName) {
    const std::size_t prefixLength = 1 + targetName.size() + kMarker.size();
    if (name.size() != prefixLength + kRandomPart || name.front() != '.') return false;
    if (name.substr(1, targetName.size()) != targetName) return false;
    if (name.substr(1 + targetName.size(), kMarker.size()) != kMarker) return false;
    const std::string_view random = name.substr(prefixLength);
    return std::all_of(random.begin(), random.end(), IsTemplateCharacter);
}

int SaveTempFiles::RemoveLeftovers(const std::filesystem::path& target) {
    const std::string targetName = target.filename().string();
    const std::unique_ptr<DIR, DirCloser> dir(opendir(FolderOf(target).c_str()));
    if (!dir) return 0;
    int removed = 0;
    while (const dirent* entry = readdir(dir.get())) {
        if (!IsLeftover(entry->d_name, targetName)) continue;
        struct stat status {};
        // Only plain files are ours; a folder or link of that name is left alone.
        if (fstatat(dirfd(dir.get()), entry->d_name, &status, AT_SYMLINK_NOFOLLOW) != 0 ||
            !S_ISREG(status.st_mode)) {
            continue;
        }
        if (unlinkat(dirfd(dir.get()), entry->d_name, 0) == 0) ++removed;
    }
    return removed;
}

}  // namespace keldra::settings
