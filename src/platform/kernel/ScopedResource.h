// For tests: a resource of the test's own, found by FindResourceW (and so by LoadBitmap,
// LoadIcon, DialogBox, ...) for as long as this object lives, in front of any compiled
// resource of the same type and name. The newest one wins; when it is destroyed, whatever
// was found before is found again.
//
//     const keldra::platform::ScopedResource layout(RT_DIALOG, 102, TemplateBytes());
//
// The object owns its bytes. Handles (HRSRC, the locked pointer) found through it are
// valid only while it lives. Neither copied nor moved, so those handles stay put. It
// belongs to the session current when it is made, and must end before that session does.
#pragma once

#include <cstdint>
#include <vector>

#include "platform/kernel/ProgramResources.h"
#include "platform/kernel/ResourceFile.h"
#include "platform/kernel/WinTypes.h"

namespace keldra::platform {

class ScopedResource {
  public:
    // `type` and `name` as FindResourceW takes them: MAKEINTRESOURCE numbers (RT_DIALOG,
    // RT_BITMAP, ...) or strings (L"ini"), strings compared without regard to case.
    ScopedResource(LPCWSTR type, LPCWSTR name, std::vector<std::uint8_t> bytes);
    ScopedResource(LPCWSTR type, std::uint16_t id, std::vector<std::uint8_t> bytes)
        : ScopedResource(type, MAKEINTRESOURCEW(id), std::move(bytes)) {}
    ~ScopedResource();

    ScopedResource(const ScopedResource&) = delete;
    ScopedResource& operator=(const ScopedResource&) = delete;

  private:
    ProgramResources& resources_;
    const std::vector<std::uint8_t> bytes_;
    const ResourceEntry entry_;
};

}  // namespace keldra::platform
