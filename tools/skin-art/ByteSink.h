// Appends little-endian integers to a byte buffer, as the Windows file formats store them.
#pragma once

#include <cstdint>
#include <vector>

namespace keldra::skinart {

class ByteSink {
  public:
    explicit ByteSink(std::vector<std::uint8_t>& bytes) : bytes_(bytes) {}

    void U8(std::uint8_t v) { bytes_.push_back(v); }
    void U16(std::uint16_t v) {
        U8(std::uint8_t(v & 0xff));
        U8(std::uint8_t(v >> 8));
    }
    void U32(std::uint32_t v) {
        U16(std::uint16_t(v & 0xffff));
        U16(std::uint16_t(v >> 16));
    }
    void I32(std::int32_t v) { U32(static_cast<std::uint32_t>(v)); }

  private:
    std::vector<std::uint8_t>& bytes_;
};

}  // namespace keldra::skinart
