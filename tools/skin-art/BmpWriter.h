// Encodes a canvas as a Windows .bmp file: BITMAPFILEHEADER, a 40-byte
// BITMAPINFOHEADER, then 24-bit BGR rows from the bottom up, each padded to 4 bytes.
#pragma once

#include <cstdint>
#include <vector>

#include "Canvas.h"

namespace keldra::skinart {

class BmpWriter {
  public:
    static std::vector<std::uint8_t> Encode(const Canvas& canvas);
};

}  // namespace keldra::skinart
