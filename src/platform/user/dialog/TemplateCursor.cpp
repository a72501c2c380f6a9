#include "platform/user/dialog/TemplateCursor.h"

namespace keldra::platform::user {

namespace {

constexpr WORD kOrdinalMark = 0xFFFF;

bool IsHighSurrogate(WORD unit) {
    return unit >= 0xD800 && unit <= 0xDBFF;
}

bool IsLowSurrogate(WORD unit) {
    return unit >= 0xDC00 && unit <= 0xDFFF;
}

}  // namespace

BYTE TemplateCursor::Byte() {
    if (failed_ || offset_ >= bytes_.size()) {
        failed_ = true;
        return 0;
    }
    return bytes_[offset_++];
}

WORD TemplateCursor::Word() {
    const WORD low = Byte();
    return static_cast<WORD>(low | (Byte() << 8));
}

DWORD TemplateCursor::Dword() {
    const DWORD low = Word();
    return low | (static_cast<DWORD>(Word()) << 16);
}

std::wstring TemplateCursor::String() {
    std::wstring text;
    WORD unit = Word();
    while (unit != 0 && !failed_) {
        const WORD next = Word();
        if (sizeof(wchar_t) == 4 && IsHighSurrogate(unit) && IsLowSurrogate(next)) {
            text += static_cast<wchar_t>(0x10000 + ((unit - 0xD800) << 10) + (next - 0xDC00));
            unit = Word();
            continue;
        }
        // A lone surrogate stays as it is.
        text += static_cast<wchar_t>(unit);
        unit = next;
    }
    return text;
}

NameOrOrdinal TemplateCursor::NameOrNumber() {
    NameOrOrdinal field;
    const WORD first = Word();
    if (first == 0) return field;
    if (first == kOrdinalMark) {
        field.isOrdinal = true;
        field.ordinal = Word();
        return field;
    }
    offset_ -= sizeof(WORD);
    field.name = String();
    return field;
}

void TemplateCursor::Skip(std::size_t count) {
    if (failed_ || count > bytes_.size() - offset_) {
        failed_ = true;
        return;
    }
    offset_ += count;
}

void TemplateCursor::AlignToDword() {
    Skip((4 - offset_ % 4) % 4);
}

}  // namespace keldra::platform::user
