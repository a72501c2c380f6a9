#pragma once

#include <string>
#include <string_view>

#include "settings/TextEncoding.h"

namespace keldra::settings {

// Converts between file bytes and the program's wide strings. Decoding never fails:
// an invalid sequence becomes U+FFFD. Encoding never fails either: a character the
// target cannot hold becomes '?', as the platform writes it.
class TextCodec {
  public:
    static std::wstring Decode(std::string_view bytes, TextEncoding encoding);
    static std::string Encode(std::wstring_view text, TextEncoding encoding);

    // True when the bytes are well-formed UTF-8.
    static bool IsValidUtf8(std::string_view bytes);

    static std::string ToUtf8(std::wstring_view text) { return Encode(text, TextEncoding::Utf8); }
    static std::wstring FromUtf8(std::string_view bytes) {
        return Decode(bytes, TextEncoding::Utf8);
    }

    // The size in bytes of one code unit, which is also the size of a line-end character.
    static std::size_t UnitSize(TextEncoding encoding);
};

}  // namespace keldra::settings
