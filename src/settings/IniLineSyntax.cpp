#include "settings/IniLineSyntax.h"

#include <algorithm>

namespace keldra::settings {

namespace {

bool IsBlank(wchar_t c) {
    return c == L' ' || c == L'\t';
}

wchar_t AsciiUpper(wchar_t c) {
    return (c >= L'a' && c <= L'z') ? c - L'a' + L'A' : c;
}

}  // namespace

std::wstring_view TrimBlanks(std::wstring_view text) {
    while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
    while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
    return text;
}

bool SameIniName(std::wstring_view a, std::wstring_view b) {
    return std::ranges::equal(a, b,
                              [](wchar_t x, wchar_t y) { return AsciiUpper(x) == AsciiUpper(y); });
}

IniLineSyntax IniLineSyntax::Parse(std::wstring_view text) {
    const std::wstring_view trimmed = TrimBlanks(text);
    if (trimmed.empty()) return {};
    if (trimmed.front() == L'[') {
        // "[name]" with anything after the first ']' ignored; "[name" alone is no section.
        if (const auto close = trimmed.find(L']'); close != std::wstring_view::npos) {
            return {Kind::Section, TrimBlanks(trimmed.substr(1, close - 1)), {}};
        }
    }
    if (trimmed.front() == L';') return {Kind::Comment, {}, {}};
    if (const auto equals = trimmed.find(L'='); equals != std::wstring_view::npos) {
        return {Kind::Key, TrimBlanks(trimmed.substr(0, equals)),
                TrimBlanks(trimmed.substr(equals + 1))};
    }
    return {Kind::Other, {}, {}};
}

}  // namespace keldra::settings
