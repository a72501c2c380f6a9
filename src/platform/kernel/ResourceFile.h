// A compiled resource file (.res) as resource compilers write it: a run of entries, each a
// header (DataSize, HeaderSize, TYPE, NAME, DataVersion, MemoryFlags, LanguageId, Version,
// Characteristics) followed by its data, every header and data block starting on a DWORD.
// The first entry is the empty one that marks a 32-bit resource file.
//
// Every size and offset is checked against the bytes given; a file that is malformed
// anywhere yields no resources at all, never a read outside its bytes. The entries refer to
// the given bytes, which must outlive this object.
#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "platform/kernel/ResourceName.h"

namespace keldra::platform {

struct ResourceEntry {
    ResourceName type;
    ResourceName name;
    std::uint16_t language = 0;
    std::span<const std::uint8_t> data;
};

class ResourceFile {
  public:
    ResourceFile() = default;
    static ResourceFile Parse(std::span<const std::uint8_t> bytes);

    // The first entry of that type and name, or nullptr. The entry stays where it is for
    // the life of this object.
    const ResourceEntry* Find(const ResourceName& type, const ResourceName& name) const;
    const std::vector<ResourceEntry>& Entries() const { return entries_; }

  private:
    class Reader;
    std::vector<ResourceEntry> entries_;
};

}  // namespace keldra::platform
