// The bytes of an embedded resource, found the way the program finds them.
#pragma once

#include <windows.h>

#include <cstdint>
#include <span>

namespace keldra::test {

class SkinResource {
  public:
    // Empty when the program holds no resource of that type and id.
    static std::span<const std::uint8_t> Bytes(int id, LPCWSTR type);
};

}  // namespace keldra::test
