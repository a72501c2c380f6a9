#include "settings/UnicodeCodec.h"

#include <windows.h>

namespace keldra::settings {

namespace {

constexpr wchar_t kReplacement = 0xFFFD;

bool IsHigh(wchar_t unit) {
    return unit >= 0xD800 && unit <= 0xDBFF;
}

bool IsLow(wchar_t unit) {
    return unit >= 0xDC00 && unit <= 0xDFFF;
}

// How long the well-formed UTF-8 sequence at the start of `bytes` is: 0 when none starts
// there; `cut` tells a sequence that was well-formed so far but ends with the text.
std::size_t SequenceLength(std::string_view bytes, bool& cut) {
    cut = false;
    const auto lead = static_cast<unsigned char>(bytes[0]);
    std::size_t length = 0;
    unsigned char low = 0x80;
    unsigned char high = 0xBF;
    if (lead < 0x80) return 1;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        if (lead == 0xE0) low = 0xA0;
        if (lead == 0xED) high = 0x9F;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        if (lead == 0xF0) low = 0x90;
        if (lead == 0xF4) high = 0x8F;
    } else {
        return 0;
    }
    for (std::size_t i = 1; i < length; ++i) {
        if (i == bytes.size()) {
            cut = true;
            return 0;
        }
        const auto next = static_cast<unsigned char>(bytes[i]);
        if (next < (i == 1 ? low : 0x80) || next > (i == 1 ? high : 0xBF)) return 0;
    }
    return length;
}

void AppendUtf8Run(std::string_view run, std::wstring& out) {
    if (run.empty()) return;
    const int size = static_cast<int>(run.size());
    const int length =
        MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, run.data(), size, nullptr, 0);
    const std::size_t at = out.size();
    out.resize(at + static_cast<std::size_t>(length));
    MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, run.data(), size, out.data() + at, length);
}

// Well-formed runs go to the system's converter whole; a byte that starts no sequence
// becomes one U+FFFD, and a sequence cut off at the end one U+FFFD for all of it.
std::wstring DecodeUtf8(std::string_view bytes) {
    std::wstring out;
    out.reserve(bytes.size());
    std::size_t runStart = 0;
    std::size_t at = 0;
    while (at < bytes.size()) {
        bool cut = false;
        const std::size_t length = SequenceLength(bytes.substr(at), cut);
        if (length > 0) {
            at += length;
            continue;
        }
        AppendUtf8Run(bytes.substr(runStart, at - runStart), out);
        out.push_back(kReplacement);
        if (cut) return out;
        runStart = ++at;
    }
    AppendUtf8Run(bytes.substr(runStart), out);
    return out;
}

wchar_t UnitAt(std::string_view bytes, std::size_t at, bool bigEndian) {
    const auto first = static_cast<unsigned char>(bytes[at]);
    const auto second = static_cast<unsigned char>(bytes[at + 1]);
    return static_cast<wchar_t>(bigEndian ? (first << 8) | second : (second << 8) | first);
}

std::wstring DecodeUtf16(std::string_view bytes, bool bigEndian) {
    std::wstring out;
    out.reserve(bytes.size() / 2);
    std::size_t at = 0;
    for (; at + 2 <= bytes.size(); at += 2) {
        const wchar_t unit = UnitAt(bytes, at, bigEndian);
        if (!IsHigh(unit) && !IsLow(unit)) {
            out.push_back(unit);
        } else if (IsHigh(unit) && at + 4 <= bytes.size() &&
                   IsLow(UnitAt(bytes, at + 2, bigEndian))) {
            out.push_back(unit);
            out.push_back(UnitAt(bytes, at + 2, bigEndian));
            at += 2;
        } else if (IsHigh(unit) && at + 4 > bytes.size()) {
            out.push_back(kReplacement);  // a pair cut off at the end
            return out;
        } else {
            out.push_back(kReplacement);
        }
    }
    if (at < bytes.size()) out.push_back(kReplacement);  // an odd byte at the end
    return out;
}

// Splits the text into runs of whole characters; a lone surrogate, which no encoding can
// hold, becomes '?'. `emit` gets each run, `replace` each lone surrogate.
template <class Emit, class Replace>
void ForEachRun(std::wstring_view text, Emit emit, Replace replace) {
    std::size_t runStart = 0;
    for (std::size_t at = 0; at < text.size(); ++at) {
        if (IsHigh(text[at]) && at + 1 < text.size() && IsLow(text[at + 1])) {
            ++at;
            continue;
        }
        if (!IsHigh(text[at]) && !IsLow(text[at])) continue;
        emit(text.substr(runStart, at - runStart));
        replace();
        runStart = at + 1;
    }
    emit(text.substr(runStart));
}

std::string EncodeUtf8(std::wstring_view text) {
    std::string out;
    ForEachRun(
        text,
        [&](std::wstring_view run) {
            if (run.empty()) return;
            const int size = static_cast<int>(run.size());
            const int length =
                WideCharToMultiByte(CP_UTF8, 0, run.data(), size, nullptr, 0, nullptr, nullptr);
            const std::size_t at = out.size();
            out.resize(at + static_cast<std::size_t>(length));
            WideCharToMultiByte(CP_UTF8, 0, run.data(), size, out.data() + at, length, nullptr,
                                nullptr);
        },
        [&] { out.push_back('?'); });
    return out;
}

std::string EncodeUtf16(std::wstring_view text, bool bigEndian) {
    std::string out;
    out.reserve(text.size() * 2);
    auto put = [&](wchar_t unit) {
        const char high = static_cast<char>((unit >> 8) & 0xFF);
        const char low = static_cast<char>(unit & 0xFF);
        out.push_back(bigEndian ? high : low);
        out.push_back(bigEndian ? low : high);
    };
    ForEachRun(
        text,
        [&](std::wstring_view run) {
            for (const wchar_t unit : run) put(unit);
        },
        [&] { put(L'?'); });
    return out;
}

}  // namespace

std::wstring UnicodeCodec::Decode(std::string_view bytes, TextEncoding encoding) {
    switch (encoding) {
        case TextEncoding::Utf16Le:
            return DecodeUtf16(bytes, false);
        case TextEncoding::Utf16Be:
            return DecodeUtf16(bytes, true);
        default:
            return DecodeUtf8(bytes);
    }
}

std::string UnicodeCodec::Encode(std::wstring_view text, TextEncoding encoding) {
    switch (encoding) {
        case TextEncoding::Utf16Le:
            return EncodeUtf16(text, false);
        case TextEncoding::Utf16Be:
            return EncodeUtf16(text, true);
        default:
            return EncodeUtf8(text);
    }
}

}  // namespace keldra::settings
