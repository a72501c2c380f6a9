#include "platform/kernel/ProgramResources.h"

#include <algorithm>

// The embedded .res file, placed by the section the build generates.
extern "C" const std::uint8_t keldra_resource_section_begin[];
extern "C" const std::uint8_t keldra_resource_section_end[];

namespace keldra::platform {

ProgramResources& ProgramResources::Instance() {
    static ProgramResources resources;
    return resources;
}

ProgramResources::ProgramResources()
    : compiled_(ResourceFile::Parse({keldra_resource_section_begin, keldra_resource_section_end})) {
}

const ResourceEntry* ProgramResources::Find(const ResourceName& type,
                                            const ResourceName& name) const {
    {
        const std::lock_guard lock(mutex_);
        const auto newest = std::find_if(added_.rbegin(), added_.rend(), [&](const auto* entry) {
            return entry->type.Matches(type) && entry->name.Matches(name);
        });
        if (newest != added_.rend()) return *newest;
    }
    return compiled_.Find(type, name);
}

std::vector<std::uint16_t> ProgramResources::CompiledNumbersOf(const ResourceName& type) const {
    std::vector<std::uint16_t> numbers;
    for (const ResourceEntry& entry : compiled_.Entries()) {
        if (entry.type.Matches(type) && entry.name.IsNumber()) numbers.push_back(entry.name.Id());
    }
    return numbers;
}

void ProgramResources::Add(const ResourceEntry& entry) {
    const std::lock_guard lock(mutex_);
    added_.push_back(&entry);
}

void ProgramResources::Remove(const ResourceEntry& entry) {
    const std::lock_guard lock(mutex_);
    std::erase(added_, &entry);
}

}  // namespace keldra::platform
