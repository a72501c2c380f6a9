// The table of resources compiled into the program (see cmake/Resources.cmake) and its
// lookup by type and id, the way the platform's resource section is searched.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>

namespace keldra::platform {

struct EmbeddedResourceRow {
    const wchar_t* typeName;  // a named type such as "ini", or nullptr for a numeric type
    unsigned typeId;          // the numeric type (RT_BITMAP, ...) when typeName is nullptr
    unsigned id;
    const unsigned char* begin;
    const unsigned char* end;

    std::span<const unsigned char> Bytes() const { return {begin, end}; }
};

extern const EmbeddedResourceRow kEmbeddedResourceRows[];
extern const std::size_t kEmbeddedResourceCount;

// A resource type as the platform names it: either a number or a name, where names
// match without regard to ASCII letter case.
class ResourceType {
  public:
    static ResourceType Numeric(unsigned id) { return ResourceType(id, {}); }
    static ResourceType Named(std::wstring_view name) { return ResourceType(0, name); }

    bool Matches(const EmbeddedResourceRow& row) const;

  private:
    ResourceType(unsigned id, std::wstring_view name) : id_(id), name_(name) {}
    unsigned id_;
    std::wstring_view name_;
};

// The row with that type and id, or nullptr.
const EmbeddedResourceRow* FindEmbeddedResource(const ResourceType& type, unsigned id);

}  // namespace keldra::platform
