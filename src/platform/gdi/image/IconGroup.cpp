#include "platform/gdi/image/IconGroup.h"

namespace keldra::platform::gdi {

namespace {

constexpr std::size_t kDirectorySize = 6;  // idReserved, idType, idCount
constexpr std::size_t kEntrySize = 14;     // GRPICONDIRENTRY: the file's entry with a WORD id
constexpr std::uint16_t kIconType = 1;

std::uint16_t U16(std::span<const std::uint8_t> b, std::size_t at) {
    return static_cast<std::uint16_t>(b[at] | b[at + 1] << 8);
}

int Side(std::uint8_t stored) {
    return stored == 0 ? 256 : stored;
}

}  // namespace

std::vector<IconGroupEntry> IconGroup::Read(std::span<const std::uint8_t> group) {
    std::vector<IconGroupEntry> entries;
    if (group.size() < kDirectorySize || U16(group, 0) != 0 || U16(group, 2) != kIconType) {
        return entries;
    }
    const std::size_t count = U16(group, 4);
    if (count > (group.size() - kDirectorySize) / kEntrySize) return entries;
    for (std::size_t i = 0; i < count; ++i) {
        const std::size_t at = kDirectorySize + i * kEntrySize;
        entries.push_back(
            {Side(group[at]), Side(group[at + 1]), U16(group, at + 6), U16(group, at + 12)});
    }
    return entries;
}

}  // namespace keldra::platform::gdi
