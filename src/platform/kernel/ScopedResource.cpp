#include "platform/kernel/ScopedResource.h"

#include "platform/kernel/ProgramResources.h"

namespace keldra::platform {

ScopedResource::ScopedResource(LPCWSTR type, LPCWSTR name, std::vector<std::uint8_t> bytes)
    : bytes_(std::move(bytes)),
      entry_{ResourceName::FromArgument(type), ResourceName::FromArgument(name), 0, bytes_} {
    ProgramResources::Instance().Add(entry_);
}

ScopedResource::~ScopedResource() {
    ProgramResources::Instance().Remove(entry_);
}

}  // namespace keldra::platform
