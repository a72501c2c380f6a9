#include "launch/FileUri.h"

#include <string>

namespace keldra::launch {

namespace {

constexpr std::string_view kScheme = "file://";

std::optional<unsigned> HexDigit(char c) {
    if (c >= '0' && c <= '9') return static_cast<unsigned>(c - '0');
    if (c >= 'a' && c <= 'f') return static_cast<unsigned>(c - 'a' + 10);
    if (c >= 'A' && c <= 'F') return static_cast<unsigned>(c - 'A' + 10);
    return std::nullopt;
}

std::optional<std::string> DecodePercentEscapes(std::string_view text) {
    std::string bytes;
    bytes.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '%') {
            bytes.push_back(text[i]);
            continue;
        }
        if (i + 2 >= text.size()) return std::nullopt;
        const auto high = HexDigit(text[i + 1]);
        const auto low = HexDigit(text[i + 2]);
        if (!high || !low) return std::nullopt;
        const auto byte = static_cast<char>(*high * 16 + *low);
        if (byte == '\0') return std::nullopt;
        bytes.push_back(byte);
        i += 2;
    }
    return bytes;
}

}  // namespace

std::optional<std::filesystem::path> LocalPathOfFileUri(std::string_view uri) {
    if (!uri.starts_with(kScheme)) return std::nullopt;
    const std::string_view rest = uri.substr(kScheme.size());
    const std::size_t pathStart = rest.find('/');
    if (pathStart == std::string_view::npos) return std::nullopt;
    const std::string_view host = rest.substr(0, pathStart);
    if (!host.empty() && host != "localhost") return std::nullopt;
    auto bytes = DecodePercentEscapes(rest.substr(pathStart));
    if (!bytes) return std::nullopt;
    return std::filesystem::path(std::move(*bytes));
}

}  // namespace keldra::launch
