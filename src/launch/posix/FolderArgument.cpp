#include "launch/FolderArgument.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace keldra::launch {

std::optional<std::string> FolderArgument::Problem(const std::filesystem::path& folder) {
    struct stat status {};
    if (stat(folder.c_str(), &status) != 0) {
        if (errno == ENOENT) return "no such folder: " + Quoted(folder);
        if (errno == ENOTDIR) return "not a folder: " + Quoted(folder);
        return "cannot reach " + Quoted(folder) + ": " + std::strerror(errno);
    }
    if (!S_ISDIR(status.st_mode)) return "not a folder: " + Quoted(folder);
    return std::nullopt;
}

std::optional<std::string> FolderArgument::Enter(const std::filesystem::path& folder) {
    if (chdir(folder.c_str()) != 0) {
        return "cannot enter " + Quoted(folder) + ": " + std::strerror(errno);
    }
    return std::nullopt;
}

std::string FolderArgument::Quoted(const std::filesystem::path& folder) {
    std::string shown = "'";
    for (const char byte : folder.native()) {
        const auto code = static_cast<unsigned char>(byte);
        shown += code < 0x20 || code == 0x7F ? '?' : byte;
    }
    return shown + "'";
}

}  // namespace keldra::launch
