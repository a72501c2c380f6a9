#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace keldra::settings {

// What one line of an INI file means, read from its decoded text (up to any NUL).
struct IniLineSyntax {
    enum class Kind : std::uint8_t { Blank, Section, Key, Comment, Other };

    Kind kind = Kind::Blank;
    std::wstring_view name;   // section name or key name, trimmed
    std::wstring_view value;  // a key's value, trimmed, quotes still on

    static IniLineSyntax Parse(std::wstring_view text);

    bool IsSection() const { return kind == Kind::Section; }
    bool IsKey() const { return kind == Kind::Key; }
    bool IsBlank() const { return kind == Kind::Blank; }
};

// Blanks and tabs are the only characters that trimming removes.
std::wstring_view TrimBlanks(std::wstring_view text);

// Section and key names match without regard to ASCII letter case.
bool SameIniName(std::wstring_view a, std::wstring_view b);

}  // namespace keldra::settings
