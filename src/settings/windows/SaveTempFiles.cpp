#include "settings/SaveTempFiles.h"

#include <windows.h>

#include "settings/TextCodec.h"

namespace keldra::settings {

int SaveTempFiles::RemoveLeftovers(const std::filesystem::path& target) {
    const std::string targetName = TextCodec::ToUtf8(target.filename().native());
    const std::filesystem::path folder = FolderOf(target);
    WIN32_FIND_DATAW found{};
    const HANDLE search = FindFirstFileW((folder / L"*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) return 0;
    int removed = 0;
    do {
        if (!IsLeftover(TextCodec::ToUtf8(found.cFileName), targetName)) continue;
        // Only plain files are ours; a folder or link of that name is left alone.
        if (found.dwFileAttributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_REPARSE_POINT))
            continue;
        if (DeleteFileW((folder / found.cFileName).c_str())) ++removed;
    } while (FindNextFileW(search, &found));
    FindClose(search);
    return removed;
}

}  // namespace keldra::settings
