// An icon group resource (RT_GROUP_ICON): the directory of one icon's pictures, each entry
// naming the RT_ICON resource that holds the picture. A group whose header is wrong or
// whose entries run past its bytes has no entries.
#pragma once

#include <cstdint>
#include <span>
#include <vector>

namespace keldra::platform::gdi {

struct IconGroupEntry {
    int width;  // 0 in the directory means 256
    int height;
    int bitCount;
    std::uint16_t iconId;  // the RT_ICON resource
};

class IconGroup {
  public:
    // The entries in directory order.
    static std::vector<IconGroupEntry> Read(std::span<const std::uint8_t> group);
};

}  // namespace keldra::platform::gdi
