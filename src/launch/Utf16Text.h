// Text in UTF-16 as Windows keeps names and arguments, one code unit in each wchar_t: checked
// and shown. Windows does not insist on well-formed UTF-16 in either, so an unpaired
// surrogate must be expected in both.
#pragma once

#include <string>
#include <string_view>

namespace keldra::launch {

class Utf16Text {
  public:
    // True when every surrogate is paired and every unit is a UTF-16 code unit.
    static bool IsWellFormed(std::wstring_view units);
    // The text in UTF-8; what is not well-formed becomes U+FFFD, one for each bad unit.
    static std::string ToUtf8(std::wstring_view units);
};

}  // namespace keldra::launch
