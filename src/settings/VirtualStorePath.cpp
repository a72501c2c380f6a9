#include "settings/VirtualStorePath.h"

#include <algorithm>

namespace keldra::settings {

namespace {

constexpr std::wstring_view kLongPrefix = L"\\\\?\\";

// Backslashes only, without the "\\?\" prefix and without trailing separators.
std::wstring Plain(std::wstring_view path) {
    if (path.starts_with(kLongPrefix)) path.remove_prefix(kLongPrefix.size());
    std::wstring plain(path);
    std::replace(plain.begin(), plain.end(), L'/', L'\\');
    while (plain.size() > 3 && plain.back() == L'\\') plain.pop_back();
    return plain;
}

bool HasDrive(std::wstring_view path) {
    return path.size() >= 3 &&
           ((path[0] >= L'A' && path[0] <= L'Z') || (path[0] >= L'a' && path[0] <= L'z')) &&
           path[1] == L':' && path[2] == L'\\';
}

// The folders' names are compared as the file system compares them; the protected folders'
// names are ASCII on every language of Windows, so ASCII letters are folded.
wchar_t Folded(wchar_t c) {
    return (c >= L'a' && c <= L'z') ? static_cast<wchar_t>(c - L'a' + L'A') : c;
}

bool SameName(std::wstring_view a, std::wstring_view b) {
    return a.size() == b.size() &&
           std::equal(a.begin(), a.end(), b.begin(),
                      [](wchar_t x, wchar_t y) { return Folded(x) == Folded(y); });
}

bool IsInside(std::wstring_view file, std::wstring_view folder) {
    return file.size() > folder.size() + 1 && file[folder.size()] == L'\\' &&
           SameName(file.substr(0, folder.size()), folder);
}

}  // namespace

VirtualStorePath::VirtualStorePath(std::wstring localAppData,
                                   std::vector<std::wstring> protectedFolders)
    : localAppData_(Plain(localAppData)) {
    for (const std::wstring& folder : protectedFolders) {
        std::wstring plain = Plain(folder);
        if (HasDrive(plain) && plain.size() > 3) protectedFolders_.push_back(std::move(plain));
    }
}

std::optional<std::wstring> VirtualStorePath::For(std::wstring_view file) const {
    const std::wstring plain = Plain(file);
    if (!HasDrive(plain) || !HasDrive(localAppData_)) return std::nullopt;
    const bool isProtected =
        std::any_of(protectedFolders_.begin(), protectedFolders_.end(),
                    [&](const std::wstring& folder) { return IsInside(plain, folder); });
    if (!isProtected) return std::nullopt;
    return localAppData_ + L"\\VirtualStore" + plain.substr(2);
}

}  // namespace keldra::settings
