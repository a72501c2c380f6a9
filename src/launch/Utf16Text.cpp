#include "launch/Utf16Text.h"

#include <optional>

namespace keldra::launch {

namespace {

constexpr char32_t kReplacement = 0xFFFD;

bool IsHighSurrogate(char32_t unit) {
    return unit >= 0xD800 && unit <= 0xDBFF;
}

bool IsLowSurrogate(char32_t unit) {
    return unit >= 0xDC00 && unit <= 0xDFFF;
}

// The character at `index`, and how many units it takes; nothing when the unit there is not
// the start of a well-formed character (it then counts as one unit).
std::optional<char32_t> CharacterAt(std::wstring_view units, std::size_t index,
                                    std::size_t& length) {
    const auto unit = static_cast<char32_t>(units[index]);
    length = 1;
    if (unit > 0xFFFF || IsLowSurrogate(unit)) return std::nullopt;
    if (!IsHighSurrogate(unit)) return unit;
    if (index + 1 == units.size()) return std::nullopt;
    const auto next = static_cast<char32_t>(units[index + 1]);
    if (!IsLowSurrogate(next)) return std::nullopt;
    length = 2;
    return 0x10000 + ((unit - 0xD800) << 10) + (next - 0xDC00);
}

void AppendUtf8(char32_t code, std::string& out) {
    if (code < 0x80) {
        out += static_cast<char>(code);
    } else if (code < 0x800) {
        out += static_cast<char>(0xC0 | (code >> 6));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else if (code < 0x10000) {
        out += static_cast<char>(0xE0 | (code >> 12));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (code >> 18));
        out += static_cast<char>(0x80 | ((code >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    }
}

}  // namespace

bool Utf16Text::IsWellFormed(std::wstring_view units) {
    std::size_t length = 0;
    for (std::size_t i = 0; i < units.size(); i += length) {
        if (!CharacterAt(units, i, length)) return false;
    }
    return true;
}

std::string Utf16Text::ToUtf8(std::wstring_view units) {
    std::string out;
    std::size_t length = 0;
    for (std::size_t i = 0; i < units.size(); i += length) {
        AppendUtf8(CharacterAt(units, i, length).value_or(kReplacement), out);
    }
    return out;
}

}  // namespace keldra::launch
