#include "settings/SaveTempFiles.h"

#include <algorithm>

namespace keldra::settings {

namespace {

bool IsTemplateCharacter(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9');
}

}  // namespace

std::filesystem::path SaveTempFiles::FolderOf(const std::filesystem::path& file) {
    return file.has_parent_path() ? file.parent_path() : std::filesystem::path(".");
}

// Built from path pieces, so that the target's name keeps its native form on every system.
std::filesystem::path SaveTempFiles::Template(const std::filesystem::path& target) {
    std::filesystem::path name(".");
    name += target.filename().native();
    name += std::string(kMarker);
    name += std::string(kRandomPart, 'X');
    return FolderOf(target) / name;
}

bool SaveTempFiles::IsLeftover(std::string_view name, std::string_view targetName) {
    const std::size_t prefixLength = 1 + targetName.size() + kMarker.size();
    if (name.size() != prefixLength + kRandomPart || name.front() != '.') return false;
    if (name.substr(1, targetName.size()) != targetName) return false;
    if (name.substr(1 + targetName.size(), kMarker.size()) != kMarker) return false;
    const std::string_view random = name.substr(prefixLength);
    return std::all_of(random.begin(), random.end(), IsTemplateCharacter);
}

}  // namespace keldra::settings
