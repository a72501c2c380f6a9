// Windows: the folder through the wide file API, its name shown in UTF-8, which is what the
// program's other messages are in.
#include "launch/FolderArgument.h"

#include <windows.h>

#include <memory>

#include "launch/Utf16Text.h"

namespace keldra::launch {

namespace {

struct LocalMemoryRelease {
    void operator()(wchar_t* text) const { LocalFree(text); }
};

// The system's sentence for `error`, without the full stop and line end it comes with.
std::string SystemMessage(DWORD error) {
    wchar_t* buffer = nullptr;
    const DWORD length = FormatMessageW(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
        nullptr, error, 0, reinterpret_cast<wchar_t*>(&buffer), 0, nullptr);
    const std::unique_ptr<wchar_t, LocalMemoryRelease> owned(buffer);
    if (length == 0) return "error " + std::to_string(error);
    std::wstring_view text(buffer, length);
    while (!text.empty() && (text.back() == L'\r' || text.back() == L'\n' || text.back() == L' ' ||
                             text.back() == L'.')) {
        text.remove_suffix(1);
    }
    return Utf16Text::ToUtf8(text);
}

bool NameCannotExist(DWORD error) {
    return error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND ||
           error == ERROR_INVALID_NAME || error == ERROR_BAD_PATHNAME ||
           error == ERROR_BAD_NETPATH || error == ERROR_BAD_NET_NAME;
}

// True when the nearest part of the path that exists is a file, so that the path goes on
// inside a file ("notes.txt\game"): Windows reports that as a missing path.
bool PathRunsThroughAFile(const std::filesystem::path& folder) {
    for (auto part = folder.parent_path(); !part.empty(); part = part.parent_path()) {
        const DWORD attributes = GetFileAttributesW(part.c_str());
        if (attributes != INVALID_FILE_ATTRIBUTES) {
            return (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
        }
        if (part == part.parent_path()) break;
    }
    return false;
}

}  // namespace

std::optional<std::string> FolderArgument::Problem(const std::filesystem::path& folder) {
    const DWORD attributes = GetFileAttributesW(folder.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) {
        const DWORD error = GetLastError();
        if (error == ERROR_DIRECTORY) return "not a folder: " + Quoted(folder);
        if (NameCannotExist(error)) {
            return (PathRunsThroughAFile(folder) ? "not a folder: " : "no such folder: ") +
                   Quoted(folder);
        }
        return "cannot reach " + Quoted(folder) + ": " + SystemMessage(error);
    }
    if ((attributes & FILE_ATTRIBUTE_DIRECTORY) == 0) return "not a folder: " + Quoted(folder);
    return std::nullopt;
}

std::optional<std::string> FolderArgument::Enter(const std::filesystem::path& folder) {
    if (!SetCurrentDirectoryW(folder.c_str())) {
        return "cannot enter " + Quoted(folder) + ": " + SystemMessage(GetLastError());
    }
    return std::nullopt;
}

std::string FolderArgument::Quoted(const std::filesystem::path& folder) {
    std::wstring shown = folder.native();
    for (wchar_t& unit : shown) {
        if (unit < 0x20 || unit == 0x7F) unit = L'?';
    }
    std::string quoted = "'";
    quoted += Utf16Text::ToUtf8(shown);
    quoted += '\'';
    return quoted;
}

}  // namespace keldra::launch
