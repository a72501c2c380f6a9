#include "settings/Windows1252Table.h"

namespace keldra::settings {

const Windows1252Table& Windows1252Table::Loaded() {
    static const Windows1252Table table;
    return table;
}

std::wstring Windows1252Table::Decode(std::string_view bytes) {
    const auto& toWide = Loaded().toWide_;
    std::wstring text(bytes.size(), L'\0');
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        text[i] = toWide[static_cast<unsigned char>(bytes[i])];
    }
    return text;
}

std::string Windows1252Table::Encode(std::wstring_view text) {
    const auto& toByte = Loaded().toByte_;
    std::string bytes(text.size(), '?');
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (const auto it = toByte.find(text[i]); it != toByte.end()) bytes[i] = it->second;
    }
    return bytes;
}

}  // namespace keldra::settings
