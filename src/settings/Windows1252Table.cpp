#include "settings/Windows1252Table.h"

#include <cstring>

#include "settings/IconvConverter.h"

namespace keldra::settings {

const Windows1252Table& Windows1252Table::Instance() {
    static const Windows1252Table table;
    return table;
}

Windows1252Table::Windows1252Table() {
    IconvConverter converter("WCHAR_T", "WINDOWS-1252");
    for (int byte = 0; byte < 256; ++byte) {
        const char in = static_cast<char>(byte);
        std::string out;
        wchar_t wide = static_cast<wchar_t>(byte);  // undefined bytes keep their value
        if (converter.Convert(std::string_view(&in, 1), out, 1, {}) && out.size() == sizeof wide) {
            std::memcpy(&wide, out.data(), sizeof wide);
        }
        toWide_[static_cast<std::size_t>(byte)] = wide;
        toByte_.emplace(wide, in);
    }
}

std::wstring Windows1252Table::Decode(std::string_view bytes) const {
    std::wstring text(bytes.size(), L'\0');
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        text[i] = toWide_[static_cast<unsigned char>(bytes[i])];
    }
    return text;
}

std::string Windows1252Table::Encode(std::wstring_view text) const {
    std::string bytes(text.size(), '?');
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (const auto it = toByte_.find(text[i]); it != toByte_.end()) bytes[i] = it->second;
    }
    return bytes;
}

}  // namespace keldra::settings
