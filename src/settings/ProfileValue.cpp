#include "settings/ProfileValue.h"

#include <cstdint>

namespace keldra::settings {

std::wstring_view ProfileValue::Unquote(std::wstring_view value) {
    if (value.size() >= 2 && (value.front() == L'"' || value.front() == L'\'') &&
        value.back() == value.front()) {
        return value.substr(1, value.size() - 2);
    }
    return value;
}

std::wstring ProfileValue::Text(std::wstring_view stored) {
    return std::wstring(Unquote(stored).substr(0, kMaxLength));
}

std::wstring ProfileValue::Default(std::wstring_view fallback) {
    while (!fallback.empty() && fallback.back() == L' ') fallback.remove_suffix(1);
    return std::wstring(fallback.substr(0, kMaxLength));
}

bool ProfileValue::ParseInt(std::wstring_view stored, int& result) {
    std::wstring_view text = Unquote(stored).substr(0, kMaxLength);
    if (text.empty()) return false;
    while (!text.empty() && (text.front() == L' ' || text.front() == L'\t')) text.remove_prefix(1);
    bool negative = false;
    if (!text.empty() && (text.front() == L'+' || text.front() == L'-')) {
        negative = text.front() == L'-';
        text.remove_prefix(1);
    }
    std::uint32_t magnitude = 0;  // unsigned, so that overflow wraps as the platform's does
    for (const wchar_t c : text) {
        if (c < L'0' || c > L'9') break;
        magnitude = magnitude * 10u + static_cast<std::uint32_t>(c - L'0');
    }
    if (negative) magnitude = 0u - magnitude;
    result = static_cast<int>(magnitude);
    return true;
}

}  // namespace keldra::settings
