#include "settings/GameFileLocation.h"

#include <windows.h>

#include "settings/NativePath.h"
#include "settings/VirtualStorePath.h"

namespace keldra::settings {

namespace {

std::wstring Environment(const wchar_t* name) {
    std::wstring value(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length =
            GetEnvironmentVariableW(name, value.data(), static_cast<DWORD>(value.size()));
        if (length < value.size()) {
            value.resize(length);
            return value;
        }
        value.resize(length);
    }
}

// The game's VirtualStore copy of the file at `path`, whether it exists or not.
std::optional<std::filesystem::path> VirtualCopy(std::wstring_view path) {
    const VirtualStorePath store(
        Environment(L"LOCALAPPDATA"),
        {Environment(L"ProgramFiles"), Environment(L"ProgramFiles(x86)"),
         Environment(L"ProgramW6432"), Environment(L"SystemRoot"), Environment(L"ProgramData")});
    const auto copy = store.For(NativePath::ToWindows(NativePath::From(path)));
    if (!copy) return std::nullopt;
    return NativePath::From(*copy);
}

bool IsFile(const std::filesystem::path& path) {
    const DWORD attributes = GetFileAttributesW(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

// Makes every missing folder on the way to `folder`; true when it exists at the end.
bool MakeFolders(const std::filesystem::path& folder) {
    const DWORD attributes = GetFileAttributesW(folder.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES) return (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
    const std::filesystem::path parent = folder.parent_path();
    if (parent.empty() || parent == folder || !MakeFolders(parent)) return false;
    return CreateDirectoryW(folder.c_str(), nullptr) || GetLastError() == ERROR_ALREADY_EXISTS;
}

}  // namespace

std::filesystem::path GameFileLocation::ForReading(std::wstring_view path) {
    const auto copy = VirtualCopy(path);
    return copy && IsFile(*copy) ? *copy : NativePath::From(path);
}

std::filesystem::path GameFileLocation::ForWriting(std::wstring_view path) {
    const auto copy = VirtualCopy(path);
    return copy && IsFile(*copy) ? *copy : NativePath::FollowLinks(NativePath::From(path));
}

std::optional<std::filesystem::path> GameFileLocation::PrepareCopy(
    std::wstring_view path, const std::filesystem::path& current) {
    const auto copy = VirtualCopy(path);
    if (!copy || *copy == current || !MakeFolders(copy->parent_path())) return std::nullopt;
    return copy;
}

}  // namespace keldra::settings
