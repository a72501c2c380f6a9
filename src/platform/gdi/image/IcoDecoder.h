// Reads one picture of an icon (an RT_ICON resource): a DIB of 24 or 32 bits per pixel
// stored with its AND mask (the header's height counts both), or a PNG image. Other
// pictures (palette images) are refused. Every size and offset is checked against the bytes
// given, so a damaged picture is refused, never read outside its bytes.
#pragma once

#include <cstdint>
#include <optional>
#include <span>

#include "platform/gdi/image/IconImage.h"

namespace keldra::platform::gdi {

class IcoDecoder {
  public:
    static std::optional<IconImage> Decode(std::span<const std::uint8_t> picture);

  private:
    static std::optional<IconImage> DecodeDib(std::span<const std::uint8_t> dib);
    static std::optional<IconImage> DecodePng(std::span<const std::uint8_t> png);
};

}  // namespace keldra::platform::gdi
