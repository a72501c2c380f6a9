#include "settings/NativePath.h"

#include <windows.h>

#include <string>

#include "settings/windows/UniqueHandle.h"

namespace keldra::settings {

namespace {

constexpr std::wstring_view kLongPrefix = L"\\\\?\\";
constexpr std::wstring_view kLongUncPrefix = L"\\\\?\\UNC\\";
constexpr std::wstring_view kDevicePrefix = L"\\\\.\\";
// A save puts ".<name>.keldra-save-XXXXXX" beside the file: 20 characters more than its name.
constexpr std::size_t kTempNameExtra = 20;

std::wstring FullPath(std::wstring_view path) {
    const std::wstring input(path);
    std::wstring full(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length =
            GetFullPathNameW(input.c_str(), static_cast<DWORD>(full.size()), full.data(), nullptr);
        if (length == 0) return input;
        if (length < full.size()) {
            full.resize(length);
            return full;
        }
        full.resize(length);
    }
}

std::size_t LastNameLength(std::wstring_view path) {
    const std::size_t slash = path.find_last_of(L'\\');
    return slash == std::wstring_view::npos ? path.size() : path.size() - slash - 1;
}

// Long enough that the file, or its save's temporary file beside it, passes MAX_PATH.
bool NeedsLongForm(std::wstring_view full) {
    return full.size() + 1 + kTempNameExtra + LastNameLength(full) >= MAX_PATH;
}

}  // namespace

// A full path with backslashes; past the length the plain Windows API accepts, in the
// "\\?\" form that takes up to 32767 characters ("\\?\UNC\server\share" for shares).
std::filesystem::path NativePath::From(std::wstring_view windowsPath) {
    if (windowsPath.starts_with(kLongPrefix) || windowsPath.starts_with(kDevicePrefix))
        return std::filesystem::path(std::wstring(windowsPath));
    const std::wstring full = FullPath(windowsPath);
    if (!NeedsLongForm(full)) return std::filesystem::path(full);
    if (full.starts_with(L"\\\\"))
        return std::filesystem::path(std::wstring(kLongUncPrefix) + full.substr(2));
    return std::filesystem::path(std::wstring(kLongPrefix) + full);
}

std::wstring NativePath::ToWindows(const std::filesystem::path& path) {
    const std::wstring& native = path.native();
    if (native.starts_with(kLongUncPrefix)) return L"\\\\" + native.substr(kLongUncPrefix.size());
    if (native.starts_with(kLongPrefix)) return native.substr(kLongPrefix.size());
    return native;
}

// A symbolic link is replaced at its target: the system gives the final path of what the
// link leads to. A link whose target is missing stays as it is.
std::filesystem::path NativePath::FollowLinks(const std::filesystem::path& path) {
    const DWORD attributes = GetFileAttributesW(path.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES || (attributes & FILE_ATTRIBUTE_REPARSE_POINT) == 0)
        return path;
    const UniqueHandle file(CreateFileW(
        path.c_str(), FILE_READ_ATTRIBUTES, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
        nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr));
    if (!file) return path;
    std::wstring final(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length = GetFinalPathNameByHandleW(
            file.Get(), final.data(), static_cast<DWORD>(final.size()), VOLUME_NAME_DOS);
        if (length == 0) return path;
        if (length < final.size()) {
            final.resize(length);
            return std::filesystem::path(final);
        }
        final.resize(length + 1);
    }
}

bool NativePath::AnythingAt(const std::filesystem::path& path) {
    return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

}  // namespace keldra::settings
