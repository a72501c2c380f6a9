#include "platform/kernel/EmbeddedResource.h"

#include <algorithm>
#include <cwctype>

namespace keldra::platform {

namespace {

wchar_t AsciiUpper(wchar_t c) {
    return (c >= L'a' && c <= L'z') ? c - L'a' + L'A' : c;
}

bool SameNameIgnoringCase(std::wstring_view a, std::wstring_view b) {
    return std::ranges::equal(a, b,
                              [](wchar_t x, wchar_t y) { return AsciiUpper(x) == AsciiUpper(y); });
}

}  // namespace

bool ResourceType::Matches(const EmbeddedResourceRow& row) const {
    if (name_.empty()) return row.typeName == nullptr && row.typeId == id_;
    return row.typeName != nullptr && SameNameIgnoringCase(row.typeName, name_);
}

const EmbeddedResourceRow* FindEmbeddedResource(const ResourceType& type, unsigned id) {
    const auto* rows = kEmbeddedResourceRows;
    const auto* found = std::find_if(rows, rows + kEmbeddedResourceCount, [&](const auto& row) {
        return row.id == id && type.Matches(row);
    });
    return found == rows + kEmbeddedResourceCount ? nullptr : found;
}

}  // namespace keldra::platform
