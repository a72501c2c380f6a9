#include "platform/kernel/ScopedResource.h"

#include "platform/kernel/KernelState.h"

namespace keldra::platform {

ScopedResource::ScopedResource(LPCWSTR type, LPCWSTR name, std::vector<std::uint8_t> bytes)
    : resources_(KernelState::Require().Resources()),
      bytes_(std::move(bytes)),
      entry_{ResourceName::FromArgument(type), ResourceName::FromArgument(name), 0, bytes_} {
    resources_.Add(entry_);
}

ScopedResource::~ScopedResource() {
    resources_.Remove(entry_);
}

}  // namespace keldra::platform
