// The program's resources: the .res file compiled from res/keldra.rc and embedded in the
// program (cmake/Resources.cmake), indexed on first use, with the resources tests put in
// front of it (ScopedResource). What FindResourceW and the loaders search.
#pragma once

#include <cstdint>
#include <mutex>
#include <vector>

#include "platform/kernel/ResourceFile.h"

namespace keldra::platform {

class ProgramResources {
  public:
    static ProgramResources& Instance();
    ProgramResources(const ProgramResources&) = delete;
    ProgramResources& operator=(const ProgramResources&) = delete;

    // The newest ScopedResource of that type and name, else the compiled one, else nullptr.
    const ResourceEntry* Find(const ResourceName& type, const ResourceName& name) const;
    // The numbers of the compiled resources of that type, in file order.
    std::vector<std::uint16_t> CompiledNumbersOf(const ResourceName& type) const;

  private:
    friend class ScopedResource;
    ProgramResources();
    void Add(const ResourceEntry& entry);
    void Remove(const ResourceEntry& entry);

    const ResourceFile compiled_;
    mutable std::mutex mutex_;  // tests' resources; bitmaps are also read on a worker thread
    std::vector<const ResourceEntry*> added_;
};

}  // namespace keldra::platform
