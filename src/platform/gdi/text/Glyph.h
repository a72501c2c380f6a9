// One character rendered at one size: its grayscale coverage and where it sits relative to
// the pen position on the baseline.
#pragma once

#include <cstdint>
#include <vector>

namespace keldra::platform::gdi {

struct Glyph {
    int left = 0;  // from the pen to the coverage's first column
    int top = 0;   // from the baseline up to the coverage's first row
    int width = 0;
    int rows = 0;
    int advance = 0;                     // whole pixels, as hinting rounds it
    std::vector<std::uint8_t> coverage;  // rows * width values, 0 (none) to 255 (full)
};

}  // namespace keldra::platform::gdi
