#pragma once

#include <string>
#include <string_view>

#include "settings/TextEncoding.h"

namespace keldra::settings {

// The system's conversions between the Unicode encodings (UTF-8, UTF-16LE, UTF-16BE) and
// wide strings, with one rule for bad input on every system: an invalid sequence decodes
// as U+FFFD (one for each byte, or each 16-bit unit, that starts no valid sequence; one for
// a sequence cut off at the end), and a character that cannot be encoded becomes '?'.
class UnicodeCodec {
  public:
    static std::wstring Decode(std::string_view bytes, TextEncoding encoding);
    static std::string Encode(std::wstring_view text, TextEncoding encoding);
};

}  // namespace keldra::settings
