#include "platform/kernel/ResourceName.h"

#include <algorithm>
#include <optional>

namespace keldra::platform {

namespace {

// Resource names are upper-cased by the compiler in the ASCII range only in practice; the
// program's names are ASCII, so that is the range compared without case.
char16_t AsciiUpper(char16_t c) {
    return (c >= u'a' && c <= u'z') ? static_cast<char16_t>(c - u'a' + u'A') : c;
}

// "#123" names the number 123; anything else after '#' is an ordinary name.
std::optional<std::uint16_t> NumberAfterHash(std::u16string_view name) {
    if (name.size() < 2 || name.size() > 6 || name[0] != u'#') return std::nullopt;
    std::uint32_t value = 0;
    for (const char16_t c : name.substr(1)) {
        if (c < u'0' || c > u'9') return std::nullopt;
        value = value * 10 + static_cast<std::uint32_t>(c - u'0');
    }
    if (value > 0xFFFF) return std::nullopt;
    return static_cast<std::uint16_t>(value);
}

}  // namespace

ResourceName ResourceName::Named(std::u16string_view name) {
    if (const auto number = NumberAfterHash(name)) return Number(*number);
    return ResourceName(0, std::u16string(name));
}

ResourceName ResourceName::FromArgument(LPCWSTR name) {
    if (IS_INTRESOURCE(name)) {
        return Number(static_cast<std::uint16_t>(reinterpret_cast<ULONG_PTR>(name)));
    }
    std::u16string text;
    for (const wchar_t* c = name; *c != L'\0'; ++c) {
        // A character outside UTF-16 cannot occur in a resource file, so it matches nothing.
        text.push_back(*c > 0xFFFF ? char16_t{0xFFFF} : static_cast<char16_t>(*c));
    }
    return Named(text);
}

bool ResourceName::Matches(const ResourceName& other) const {
    if (named_ != other.named_) return false;
    if (!named_) return id_ == other.id_;
    return std::ranges::equal(
        name_, other.name_, [](char16_t a, char16_t b) { return AsciiUpper(a) == AsciiUpper(b); });
}

}  // namespace keldra::platform
