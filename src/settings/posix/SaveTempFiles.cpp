#include "settings/SaveTempFiles.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <memory>

namespace keldra::settings {

namespace {

struct DirCloser {
    void operator()(DIR* dir) const { closedir(dir); }
};

}  // namespace

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
