#include "platform/kernel/Resources.h"

#include "platform/kernel/KernelState.h"

using keldra::platform::KernelState;
using keldra::platform::ProgramResources;
using keldra::platform::ResourceEntry;
using keldra::platform::ResourceName;

namespace {

const ResourceEntry* EntryOf(HRSRC resource) {
    return reinterpret_cast<const ResourceEntry*>(resource);
}

// Where an empty resource's bytes "are": loading it still succeeds, as on the platform.
const unsigned char kNoBytes[1] = {};

}  // namespace

HRSRC FindResourceW(HMODULE, LPCWSTR name, LPCWSTR type) {
    if (name == nullptr || type == nullptr) return nullptr;
    // The program's own resources are there with or without a session, as they are part of
    // the program; those a test puts in front belong to the session.
    const auto typeName = ResourceName::FromArgument(type);
    const auto resourceName = ResourceName::FromArgument(name);
    KernelState* kernel = KernelState::Current();
    const ResourceEntry* entry = kernel != nullptr
                                     ? kernel->Resources().Find(typeName, resourceName)
                                     : ProgramResources::FindCompiled(typeName, resourceName);
    return reinterpret_cast<HRSRC>(const_cast<ResourceEntry*>(entry));
}

HGLOBAL LoadResource(HMODULE, HRSRC resource) {
    if (resource == nullptr) return nullptr;
    const auto data = EntryOf(resource)->data;
    return const_cast<unsigned char*>(data.empty() ? kNoBytes : data.data());
}

DWORD SizeofResource(HMODULE, HRSRC resource) {
    if (resource == nullptr) return 0;
    return static_cast<DWORD>(EntryOf(resource)->data.size());
}

// Resources are read-only and always resident, so "locking" just hands out the bytes.
LPVOID LockResource(HGLOBAL loaded) {
    return loaded;
}
