#include "launch/MenuStart.h"

#include <cstdio>
#include <system_error>

#include "launch/GameFolderQuestion.h"
#include "launch/RememberedFolder.h"

namespace keldra::launch {

namespace {

bool IsFolder(const std::filesystem::path& path) {
    std::error_code error;
    return std::filesystem::is_directory(path, error);
}

}  // namespace

std::optional<std::filesystem::path> ResolveMenuFolder(MenuStartMode mode) {
    const RememberedFolder memory = RememberedFolder::ForThisUser();
    if (mode == MenuStartMode::UseRemembered) {
        auto remembered = memory.Load();
        if (remembered && IsFolder(*remembered)) return remembered;
    }
    auto chosen = GameFolderQuestion().Ask();
    if (!chosen) return std::nullopt;
    if (!IsFolder(*chosen)) {
        std::fprintf(stderr, "keldra-config: the chosen game folder cannot be opened\n");
        return std::nullopt;
    }
    if (memory.File() && !memory.Save(*chosen))
        std::fprintf(stderr, "keldra-config: the game folder could not be remembered\n");
    return chosen;
}

}  // namespace keldra::launch
