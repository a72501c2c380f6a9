#include "platform/kernel/ResourceFile.h"

#include <algorithm>
#include <optional>

namespace keldra::platform {

namespace {

constexpr std::size_t kSizesLength = 8;     // DataSize, HeaderSize
constexpr std::size_t kTrailerLength = 16;  // DataVersion .. Characteristics
constexpr std::size_t kLanguageOffset = 6;  // within the trailer
// Sizes, two numbered names and the trailer: the shortest header there is.
constexpr std::size_t kShortestHeader = kSizesLength + 4 + 4 + kTrailerLength;
constexpr std::uint16_t kOrdinalMark = 0xFFFF;

std::size_t AlignToDword(std::size_t offset) {
    return (offset + 3) & ~std::size_t{3};
}

}  // namespace

// Reads one entry at a time within the bounds of the whole file and of the entry's header.
class ResourceFile::Reader {
  public:
    explicit Reader(std::span<const std::uint8_t> bytes) : bytes_(bytes) {}

    bool AtEnd() const { return offset_ >= bytes_.size(); }

    // The entry at the current offset, moving past it; nullopt when it does not fit.
    std::optional<ResourceEntry> Next() {
        if (bytes_.size() - offset_ < kSizesLength) return std::nullopt;
        const std::uint32_t dataSize = U32(offset_);
        const std::uint32_t headerSize = U32(offset_ + 4);
        const std::size_t left = bytes_.size() - offset_;
        // Data starts on a DWORD, as readers of dialog templates and bitmaps rely on.
        if (headerSize < kShortestHeader || headerSize % 4 != 0) return std::nullopt;
        if (headerSize > left || dataSize > left - headerSize) return std::nullopt;
        const std::size_t headerEnd = offset_ + headerSize;

        std::size_t at = offset_ + kSizesLength;
        auto type = ReadName(at, headerEnd);
        if (!type) return std::nullopt;
        auto name = ReadName(at, headerEnd);
        if (!name) return std::nullopt;
        at = AlignToDword(at);
        if (at > headerEnd || headerEnd - at < kTrailerLength) return std::nullopt;

        ResourceEntry entry{*std::move(type), *std::move(name), U16(at + kLanguageOffset),
                            bytes_.subspan(headerEnd, dataSize)};
        offset_ = AlignToDword(headerEnd + dataSize);
        return entry;
    }

  private:
    std::uint16_t U16(std::size_t at) const {
        return static_cast<std::uint16_t>(bytes_[at] | bytes_[at + 1] << 8);
    }
    std::uint32_t U32(std::size_t at) const {
        return std::uint32_t{U16(at)} | std::uint32_t{U16(at + 2)} << 16;
    }

    // A 0xFFFF-marked number or a NUL-terminated UTF-16 string, inside [at, end).
    std::optional<ResourceName> ReadName(std::size_t& at, std::size_t end) const {
        if (end - at < 2) return std::nullopt;
        if (U16(at) == kOrdinalMark) {
            if (end - at < 4) return std::nullopt;
            const std::uint16_t id = U16(at + 2);
            at += 4;
            return ResourceName::Number(id);
        }
        std::u16string text;
        for (; end - at >= 2; at += 2) {
            const char16_t c = U16(at);
            if (c == u'\0') {
                at += 2;
                // An empty string is no name; the platform's compilers never write one.
                if (text.empty()) return std::nullopt;
                return ResourceName::Named(text);
            }
            text.push_back(c);
        }
        return std::nullopt;  // no terminator inside the header
    }

    std::span<const std::uint8_t> bytes_;
    std::size_t offset_ = 0;
};

ResourceFile ResourceFile::Parse(std::span<const std::uint8_t> bytes) {
    Reader reader(bytes);
    // The leading empty entry: no data, type and name both the number 0.
    const std::optional<ResourceEntry> marker = reader.Next();
    if (!marker || !marker->data.empty() || !marker->type.Matches(ResourceName::Number(0)) ||
        !marker->name.Matches(ResourceName::Number(0))) {
        return {};
    }
    ResourceFile file;
    while (!reader.AtEnd()) {
        std::optional<ResourceEntry> entry = reader.Next();
        if (!entry) return {};
        file.entries_.push_back(*std::move(entry));
    }
    return file;
}

const ResourceEntry* ResourceFile::Find(const ResourceName& type, const ResourceName& name) const {
    const auto found = std::ranges::find_if(entries_, [&](const ResourceEntry& entry) {
        return entry.type.Matches(type) && entry.name.Matches(name);
    });
    return found == entries_.end() ? nullptr : &*found;
}

}  // namespace keldra::platform
