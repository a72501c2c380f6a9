#include "launch/RememberedFolder.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>
#include <string_view>

#include "settings/UniqueFd.h"

namespace keldra::launch {

namespace {

namespace fs = std::filesystem;

// No folder's path comes near this; a bigger file is not one this program wrote.
constexpr std::uintmax_t kLargestFile = 64 * 1024;

// An environment variable that names an absolute folder.
std::optional<fs::path> AbsoluteFolderFrom(const char* name) {
    const char* value = std::getenv(name);
    if (value == nullptr || value[0] != '/') return std::nullopt;
    return fs::path(value);
}

bool IsStorable(const fs::path& folder) {
    const std::string& bytes = folder.native();
    return folder.is_absolute() && bytes.find('\0') == std::string::npos;
}

// Where a save goes: a file kept as a link elsewhere (a dotfiles folder) stays a link.
fs::path WritePlaceOf(const fs::path& file) {
    std::error_code error;
    if (!fs::is_symlink(file, error)) return file;
    const fs::path target = fs::weakly_canonical(file, error);
    return error ? file : target;
}

// Makes the folders that are missing, private to the user as configuration folders are.
bool MakeFolders(const fs::path& folder) {
    std::error_code error;
    if (fs::is_directory(folder, error)) return true;
    if (folder.has_relative_path() && !MakeFolders(folder.parent_path())) return false;
    return mkdir(folder.c_str(), 0700) == 0 || errno == EEXIST;
}

bool WriteAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t written = write(fd, bytes.data(), bytes.size());
        if (written < 0 && errno == EINTR) continue;
        if (written <= 0) return false;
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

}  // namespace

RememberedFolder RememberedFolder::ForThisUser() {
    auto config = AbsoluteFolderFrom("XDG_CONFIG_HOME");
    if (!config) {
        const auto home = AbsoluteFolderFrom("HOME");
        if (!home) return RememberedFolder(std::nullopt);
        config = *home / ".config";
    }
    return RememberedFolder(*config / "keldra-config" / "game-folder");
}

std::optional<fs::path> RememberedFolder::Load() const {
    if (!file_) return std::nullopt;
    std::error_code error;
    const std::uintmax_t size = fs::file_size(*file_, error);
    if (error || size > kLargestFile) return std::nullopt;
    std::ifstream in(*file_, std::ios::binary);
    std::string bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    if (in.bad()) return std::nullopt;
    fs::path folder(std::move(bytes));
    if (!IsStorable(folder)) return std::nullopt;
    return folder;
}

bool RememberedFolder::Save(const fs::path& folder) const {
    if (!file_ || !IsStorable(folder)) return false;
    const fs::path target = WritePlaceOf(*file_);
    if (!MakeFolders(target.parent_path())) return false;
    std::string tempName = (target.parent_path() / ".game-folder.XXXXXX").native();
    settings::UniqueFd temp(mkstemp(tempName.data()));
    if (!temp) return false;
    const bool written = WriteAll(temp.Get(), folder.native()) && fsync(temp.Get()) == 0 &&
                         temp.Close() == 0 && rename(tempName.c_str(), target.c_str()) == 0;
    if (!written) unlink(tempName.c_str());
    return written;
}

}  // namespace keldra::launch
