#include "platform/kernel/FileNameCodec.h"

#include <cstddef>

namespace keldra::platform {

namespace {

constexpr char32_t kReplacement = 0xFFFD;

// The character of the well-formed UTF-8 sequence at `at`, and its length; length 0 when
// the bytes there are not one (RFC 3629: no overlong forms, no surrogates, at most U+10FFFF).
struct Utf8Sequence {
    char32_t character = 0;
    std::size_t length = 0;
};

bool IsContinuation(unsigned char byte, unsigned char low = 0x80, unsigned char high = 0xBF) {
    return byte >= low && byte <= high;
}

Utf8Sequence ReadUtf8(std::string_view bytes, std::size_t at) {
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(bytes[at + i]); };
    const unsigned char lead = byte(0);
    std::size_t length = 0;
    unsigned char secondLow = 0x80;
    unsigned char secondHigh = 0xBF;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        if (lead == 0xE0) secondLow = 0xA0;   // shorter forms exist
        if (lead == 0xED) secondHigh = 0x9F;  // surrogates
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        if (lead == 0xF0) secondLow = 0x90;   // shorter forms exist
        if (lead == 0xF4) secondHigh = 0x8F;  // beyond U+10FFFF
    }
    if (length == 0 || at + length > bytes.size()) return {};
    if (!IsContinuation(byte(1), secondLow, secondHigh)) return {};
    char32_t character = lead & (0x7F >> length);
    for (std::size_t i = 1; i < length; ++i) {
        if (!IsContinuation(byte(i))) return {};
        character = (character << 6) | (byte(i) & 0x3F);
    }
    return {character, length};
}

void AppendUtf8(std::string& out, char32_t c) {
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (c >> 18));
        out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

wchar_t EscapeOf(char byte) {
    return static_cast<wchar_t>(0xDC00 + static_cast<unsigned char>(byte));
}

}  // namespace

std::wstring FileNameCodec::Decode(std::string_view bytes) {
    std::wstring wide;
    wide.reserve(bytes.size());
    std::size_t at = 0;
    while (at < bytes.size()) {
        const char byte = bytes[at];
        if (static_cast<unsigned char>(byte) < 0x80) {
            wide += byte == '\\' ? kNameBackslash : static_cast<wchar_t>(byte);
            ++at;
            continue;
        }
        const Utf8Sequence sequence = ReadUtf8(bytes, at);
        if (sequence.length == 0 || sequence.character == static_cast<char32_t>(kNameBackslash)) {
            wide += EscapeOf(byte);  // one byte at a time; the next may start a good sequence
            ++at;
            continue;
        }
        wide += static_cast<wchar_t>(sequence.character);
        at += sequence.length;
    }
    return wide;
}

std::string FileNameCodec::Encode(std::wstring_view wide) {
    std::string bytes;
    bytes.reserve(wide.size());
    for (const wchar_t w : wide) {
        const auto c = static_cast<char32_t>(w);
        if (w == L'\\') {
            bytes += '/';
        } else if (w == kNameBackslash) {
            bytes += '\\';
        } else if (w >= kFirstByteEscape && w <= kLastByteEscape) {
            bytes += static_cast<char>(c - 0xDC00);
        } else if ((c >= 0xD800 && c <= 0xDFFF) || c > 0x10FFFF) {
            AppendUtf8(bytes, kReplacement);
        } else {
            AppendUtf8(bytes, c);
        }
    }
    return bytes;
}

}  // namespace keldra::platform
