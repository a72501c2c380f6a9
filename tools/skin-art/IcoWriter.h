// Encodes canvases as one Windows .ico file: an ICONDIR, one ICONDIRENTRY per image, and
// per image a BITMAPINFOHEADER (height doubled for the two masks), 32-bit BGRA rows from
// the bottom up, then the 1-bit AND mask (set where the image is fully transparent).
#pragma once

#include <cstdint>
#include <vector>

#include "Canvas.h"

namespace keldra::skinart {

class IcoWriter {
  public:
    static std::vector<std::uint8_t> Encode(const std::vector<Canvas>& images);

  private:
    static std::vector<std::uint8_t> EncodeImage(const Canvas& image);
};

}  // namespace keldra::skinart
