#include "settings/TextCodec.h"

#include "settings/UnicodeCodec.h"
#include "settings/Windows1252Table.h"

namespace keldra::settings {

std::size_t TextCodec::UnitSize(TextEncoding encoding) {
    return (encoding == TextEncoding::Utf16Le || encoding == TextEncoding::Utf16Be) ? 2 : 1;
}

std::wstring TextCodec::Decode(std::string_view bytes, TextEncoding encoding) {
    if (encoding == TextEncoding::Windows1252) return Windows1252Table::Decode(bytes);
    return UnicodeCodec::Decode(bytes, encoding);
}

std::string TextCodec::Encode(std::wstring_view text, TextEncoding encoding) {
    if (encoding == TextEncoding::Windows1252) return Windows1252Table::Encode(text);
    return UnicodeCodec::Encode(text, encoding);
}

// Well-formed UTF-8 as Unicode defines it: shortest forms only, no surrogates, nothing
// above U+10FFFF. The platform's converter lets some of those through.
bool TextCodec::IsValidUtf8(std::string_view bytes) {
    std::size_t at = 0;
    while (at < bytes.size()) {
        const auto lead = static_cast<unsigned char>(bytes[at]);
        std::size_t length = 0;
        unsigned char low = 0x80;  // the range of the byte after the lead
        unsigned char high = 0xBF;
        if (lead < 0x80) {
            length = 1;
        } else if (lead >= 0xC2 && lead <= 0xDF) {
            length = 2;
        } else if (lead >= 0xE0 && lead <= 0xEF) {
            length = 3;
            if (lead == 0xE0) low = 0xA0;   // no overlong forms
            if (lead == 0xED) high = 0x9F;  // no surrogates
        } else if (lead >= 0xF0 && lead <= 0xF4) {
            length = 4;
            if (lead == 0xF0) low = 0x90;   // no overlong forms
            if (lead == 0xF4) high = 0x8F;  // nothing above U+10FFFF
        } else {
            return false;
        }
        if (bytes.size() - at < length) return false;
        for (std::size_t i = 1; i < length; ++i) {
            const auto next = static_cast<unsigned char>(bytes[at + i]);
            if (next < (i == 1 ? low : 0x80) || next > (i == 1 ? high : 0xBF)) return false;
        }
        at += length;
    }
    return true;
}

}  // namespace keldra::settings
