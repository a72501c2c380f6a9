#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace keldra::settings {

// How a stored value reaches its reader, with the rules of the platform's profile
// services: one pair of matching quotes removed, then the text cut to what a
// 260-character buffer holds.
class ProfileValue {
  public:
    static constexpr std::size_t kMaxLength = 259;

    // "dq" gives dq, '' gives empty; a lone or unmatched quote stays.
    static std::wstring_view Unquote(std::wstring_view value);

    // The value as a text read returns it.
    static std::wstring Text(std::wstring_view stored);

    // A caller's default as a text read returns it: trailing spaces cut, then the length.
    static std::wstring Default(std::wstring_view fallback);

    // The decimal integer at the start of a stored value: blanks, one optional sign,
    // digits up to the first non-digit, wrapped into 32 bits. Nothing (the caller's
    // default applies) when the value is empty once its quotes are removed.
    static bool ParseInt(std::wstring_view stored, int& result);
};

}  // namespace keldra::settings
