#include "settings/TextCodec.h"

#include <cstring>
#include <memory>

#include "settings/IconvConverter.h"
#include "settings/Windows1252Table.h"

namespace keldra::settings {

namespace {

const char* IconvName(TextEncoding encoding) {
    switch (encoding) {
        case TextEncoding::Utf8:
            return "UTF-8";
        case TextEncoding::Utf16Le:
            return "UTF-16LE";
        case TextEncoding::Utf16Be:
            return "UTF-16BE";
        case TextEncoding::Windows1252:
            break;
    }
    return "WINDOWS-1252";
}

// Opening a converter loads glibc's conversion modules, so each thread keeps its own
// converters: one per direction and encoding.
IconvConverter& Converter(TextEncoding encoding, bool decoding) {
    thread_local std::unique_ptr<IconvConverter> cache[2][4];
    auto& slot = cache[decoding ? 0 : 1][static_cast<int>(encoding)];
    if (!slot) {
        slot = decoding ? std::make_unique<IconvConverter>("WCHAR_T", IconvName(encoding))
                        : std::make_unique<IconvConverter>(IconvName(encoding), "WCHAR_T");
    }
    return *slot;
}

std::wstring WideFromBytes(const std::string& raw) {
    std::wstring text(raw.size() / sizeof(wchar_t), L'\0');
    std::memcpy(text.data(), raw.data(), text.size() * sizeof(wchar_t));
    return text;
}

}  // namespace

std::size_t TextCodec::UnitSize(TextEncoding encoding) {
    return (encoding == TextEncoding::Utf16Le || encoding == TextEncoding::Utf16Be) ? 2 : 1;
}

std::wstring TextCodec::Decode(std::string_view bytes, TextEncoding encoding) {
    if (encoding == TextEncoding::Windows1252) return Windows1252Table::Instance().Decode(bytes);
    const wchar_t replacement = 0xFFFD;
    std::string raw;
    Converter(encoding, true)
        .Convert(bytes, raw, UnitSize(encoding),
                 std::string_view(reinterpret_cast<const char*>(&replacement), sizeof replacement));
    return WideFromBytes(raw);
}

std::string TextCodec::Encode(std::wstring_view text, TextEncoding encoding) {
    if (encoding == TextEncoding::Windows1252) return Windows1252Table::Instance().Encode(text);
    const std::string_view questionMark = encoding == TextEncoding::Utf8 ? "?"
                                          : encoding == TextEncoding::Utf16Le
                                              ? std::string_view("?\0", 2)
                                              : std::string_view("\0?", 2);
    std::string out;
    Converter(encoding, false)
        .Convert(std::string_view(reinterpret_cast<const char*>(text.data()),
                                  text.size() * sizeof(wchar_t)),
                 out, sizeof(wchar_t), questionMark);
    return out;
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
