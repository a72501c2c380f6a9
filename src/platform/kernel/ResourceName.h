// The name of a resource or of a resource type, as the platform names them: either a
// 16-bit number or a string. Strings compare without regard to letter case (the resource
// compiler stores them upper-cased, and lookups ignore case), and a string "#123" means
// the number 123, as FindResource takes it.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "platform/kernel/WinTypes.h"

namespace keldra::platform {

class ResourceName {
  public:
    static ResourceName Number(std::uint16_t id) { return ResourceName(id, {}); }
    static ResourceName Named(std::u16string_view name);
    // What a LPCWSTR argument of FindResourceW names: MAKEINTRESOURCE numbers or strings.
    // A null pointer is the number 0, which no resource has.
    static ResourceName FromArgument(LPCWSTR name);

    bool IsNumber() const { return !named_; }
    std::uint16_t Id() const { return id_; }
    const std::u16string& Name() const { return name_; }

    bool Matches(const ResourceName& other) const;

  private:
    ResourceName(std::uint16_t id, std::u16string name)
        : named_(!name.empty()), id_(id), name_(std::move(name)) {}

    bool named_;
    std::uint16_t id_;
    std::u16string name_;
};

}  // namespace keldra::platform
