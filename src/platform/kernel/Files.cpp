#include "platform/kernel/Files.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <cwchar>
#include <memory>
#include <optional>
#include <string>

#include "platform/kernel/FileNameCodec.h"

namespace {

struct FreeMemory {
    void operator()(char* text) const { std::free(text); }
};

// The working folder's path, only when that path leads back to the folder itself: the
// kernel names a folder even when it was removed or when a folder above it may not be
// searched, and a path longer than the system takes cannot be opened; a file formed from
// such a path would be looked for somewhere else, or nowhere.
std::optional<std::string> ReachableWorkingFolder() {
    const std::unique_ptr<char, FreeMemory> path(getcwd(nullptr, 0));
    if (!path || path.get()[0] != '/') return std::nullopt;
    struct stat here {};
    struct stat there {};
    if (fstatat(AT_FDCWD, "", &here, AT_EMPTY_PATH) != 0) return std::nullopt;
    if (stat(path.get(), &there) != 0) return std::nullopt;  // EACCES, ENAMETOOLONG, ENOENT
    if (here.st_dev != there.st_dev || here.st_ino != there.st_ino) return std::nullopt;
    return std::string(path.get());
}

}  // namespace

DWORD GetCurrentDirectoryW(DWORD bufferLength, LPWSTR buffer) {
    const std::optional<std::string> folder = ReachableWorkingFolder();
    if (!folder) return 0;
    const std::wstring wide = keldra::platform::FileNameCodec::Decode(*folder);
    const auto needed = static_cast<DWORD>(wide.size() + 1);
    if (buffer == nullptr || bufferLength < needed) return needed;
    std::wmemcpy(buffer, wide.c_str(), needed);
    return needed - 1;
}
