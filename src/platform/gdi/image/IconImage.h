// One picture of an icon: straight (not premultiplied) 0xAARRGGBB pixels, rows from the top.
#pragma once

#include <cstdint>
#include <vector>

namespace keldra::platform::gdi {

struct IconImage {
    int width = 0;
    int height = 0;
    std::vector<std::uint32_t> argb;
};

}  // namespace keldra::platform::gdi
