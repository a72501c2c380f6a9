#include "platform/kernel/ProgramResources.h"

#include <algorithm>

// The embedded .res file, placed by the section the build generates.
extern "C" const std::uint8_t keldra_resource_section_begin[];
extern "C" const std::uint8_t keldra_resource_section_end[];

namespace keldra::platform {

const ResourceFile& ProgramResources::Compiled() {
    static const ResourceFile compiled =
        ResourceFile::Parse({keldra_resource_section_begin, keldra_resource_section_end});
    return compiled;
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
    return FindCompiled(type, name);
}

const ResourceEntry* ProgramResources::FindCompiled(const ResourceName& type,
                                                    const ResourceName& name) {
    return Compiled().Find(type, name);
}

std::vector<std::uint16_t> ProgramResources::CompiledNumbersOf(const ResourceName& type) {
    std::vector<std::uint16_t> numbers;
    for (const ResourceEntry& entry : Compiled().Entries()) {
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
