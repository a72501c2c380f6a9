// Reads an .ico file (an icon directory and its images) into icon pictures. Accepts the
// bitmap images of 24 and 32 bits per pixel with their AND masks; other entries (PNG-packed
// or palette images) are passed over. Every size and offset is checked against the bytes
// given, so a damaged file yields fewer pictures or none, never a read outside the file.
#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "platform/gdi/IconImage.h"

namespace keldra::platform::gdi {

class IcoDecoder {
  public:
    // The file's pictures in directory order; empty when the file is no icon file.
    static std::vector<IconImage> Decode(std::span<const std::uint8_t> file);

  private:
    static bool DecodeEntry(std::span<const std::uint8_t> image, IconImage& out);
};

}  // namespace keldra::platform::gdi
