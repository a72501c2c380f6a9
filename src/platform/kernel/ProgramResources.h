// The program's resources: the .res file compiled from res/keldra.rc and embedded in the
// program (cmake/Resources.cmake), indexed once on first use (it never changes), with the
// resources tests put in front of it (ScopedResource), which belong to a session. What
// FindResourceW and the loaders search.
#pragma once

#include <cstdint>
#include <mutex>
#include <vector>

#include "platform/kernel/ResourceFile.h"

namespace keldra::platform {

class ProgramResources {
  public:
    ProgramResources() = default;
    ProgramResources(const ProgramResources&) = delete;
    ProgramResources& operator=(const ProgramResources&) = delete;

    // The newest ScopedResource of that type and name, else the compiled one, else nullptr.
    const ResourceEntry* Find(const ResourceName& type, const ResourceName& name) const;
    // The compiled one alone.
    static const ResourceEntry* FindCompiled(const ResourceName& type, const ResourceName& name);
    // The numbers of the compiled resources of that type, in file order.
    static std::vector<std::uint16_t> CompiledNumbersOf(const ResourceName& type);

  private:
    friend class ScopedResource;
    void Add(const ResourceEntry& entry);
    void Remove(const ResourceEntry& entry);

    static const ResourceFile& Compiled();

    mutable std::mutex mutex_;  // tests' resources; bitmaps are also read on a worker thread
    std::vector<const ResourceEntry*> added_;
};

}  // namespace keldra::platform
