#include "settings/GameFileLocation.h"

#include "settings/NativePath.h"

namespace keldra::settings {

std::filesystem::path GameFileLocation::ForReading(std::wstring_view path) {
    return NativePath::From(path);
}

std::filesystem::path GameFileLocation::ForWriting(std::wstring_view path) {
    return NativePath::FollowLinks(NativePath::From(path));
}

std::optional<std::filesystem::path> GameFileLocation::PrepareCopy(std::wstring_view,
                                                                   const std::filesystem::path&) {
    return std::nullopt;
}

}  // namespace keldra::settings
