// Reads the little-endian fields of a binary dialog template in order. A read past the end
// of the bytes yields zeros and marks the cursor failed, so a reader can take a whole record
// and check once.
#pragma once

#include <cstddef>
#include <span>
#include <string>

#include "platform/user/UserTypes.h"

namespace keldra::platform::user {

// A field that is either a name or a 16-bit number (an atom, a resource id).
struct NameOrOrdinal {
    std::wstring name;
    WORD ordinal = 0;
    bool isOrdinal = false;
};

class TemplateCursor {
  public:
    explicit TemplateCursor(std::span<const BYTE> bytes) : bytes_(bytes) {}

    BYTE Byte();
    WORD Word();
    DWORD Dword();
    short Short() { return static_cast<short>(Word()); }
    // A NUL-terminated UTF-16 string; pairs of surrogates become one character.
    std::wstring String();
    // 0x0000: empty; 0xFFFF then a number; otherwise a string.
    NameOrOrdinal NameOrNumber();
    void Skip(std::size_t count);
    // Items start on a 32-bit boundary counted from the template's first byte.
    void AlignToDword();

    bool Failed() const { return failed_; }

  private:
    std::span<const BYTE> bytes_;
    std::size_t offset_ = 0;
    bool failed_ = false;
};

}  // namespace keldra::platform::user
