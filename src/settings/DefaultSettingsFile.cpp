#include "settings/DefaultSettingsFile.h"

#include <windows.h>

#include <cerrno>

#include "resource.h"
#include "settings/AtomicFileWriter.h"
#include "settings/NativePath.h"

namespace keldra::settings {

std::string_view DefaultSettingsFile::Bytes() {
    HRSRC resource = FindResourceW(nullptr, MAKEINTRESOURCEW(IDR_DEFAULT_CONFIG), L"ini");
    HGLOBAL loaded = LoadResource(nullptr, resource);
    const auto* data = static_cast<const char*>(LockResource(loaded));
    if (data == nullptr) return {};
    return std::string_view(data, SizeofResource(nullptr, resource));
}

SaveResult DefaultSettingsFile::CreateIfMissing(std::wstring_view path) {
    // A link named CONFIG.INI whose target is missing gets the default at its target, so
    // that a later save does not create a file there holding nothing but the pages' keys.
    const std::filesystem::path target = NativePath::FollowLinks(NativePath::From(path));
    if (NativePath::AnythingAt(target))
        return SaveResult::SystemFailure(std::wstring(path), EEXIST);
    return AtomicFileWriter(target, std::wstring(path)).CreateNew(Bytes());
}

}  // namespace keldra::settings
