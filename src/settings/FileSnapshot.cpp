#include "settings/FileSnapshot.h"

#include <algorithm>

namespace keldra::settings {

std::size_t FileSnapshot::MakeRoomForNextRead(std::size_t maxSize) {
    constexpr std::size_t kChunk = 65536;
    const std::size_t offset = bytes_.size();
    const std::size_t room = maxSize + 1 - offset;
    if (room == 0) return 0;
    const std::size_t spare = bytes_.capacity() - offset;
    const std::size_t wanted = std::min({room, kChunk, spare > 0 ? spare : kChunk});
    bytes_.resize(offset + wanted);
    return wanted;
}

}  // namespace keldra::settings
