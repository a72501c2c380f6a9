#include "settings/UnicodeCodec.h"

#include <cstring>
#include <memory>

#include "settings/IconvConverter.h"
#include "settings/TextCodec.h"

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

std::wstring UnicodeCodec::Decode(std::string_view bytes, TextEncoding encoding) {
    const wchar_t replacement = 0xFFFD;
    std::string raw;
    Converter(encoding, true)
        .Convert(bytes, raw, TextCodec::UnitSize(encoding),
                 std::string_view(reinterpret_cast<const char*>(&replacement), sizeof replacement));
    return WideFromBytes(raw);
}

std::string UnicodeCodec::Encode(std::wstring_view text, TextEncoding encoding) {
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

}  // namespace keldra::settings
