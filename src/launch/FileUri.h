// The local path a file:// URI names, byte for byte.
#pragma once

#include <filesystem>
#include <optional>
#include <string_view>

namespace keldra::launch {

// "file:///games/K%C3%A4ldra" -> "/games/Käldra" (every %XX becomes that byte, so names
// that are not UTF-8 come back whole). Nothing for another scheme, a host other than this
// one, a broken escape or an escaped NUL, which no file name can hold.
std::optional<std::filesystem::path> LocalPathOfFileUri(std::string_view uri);

}  // namespace keldra::launch
