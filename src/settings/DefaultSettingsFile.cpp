#include "settings/DefaultSettingsFile.h"

#include <windows.h>

#include <cerrno>

#include "resource.h"
#include "settings/AtomicFileWriter.h"
#include "settings/GameFileLocation.h"
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
    const std::filesystem::path target = GameFileLocation::ForWriting(path);
    if (NativePath::AnythingAt(target))
        return SaveResult::SystemFailure(std::wstring(path), EEXIST);
    const SaveResult created = AtomicFileWriter(target, std::wstring(path)).CreateNew(Bytes());
    if (created || created.Code() != EACCES) return created;
    // A game folder only an administrator may change: the game itself would have been
    // given its per-user copy.
    const auto copy = GameFileLocation::PrepareCopy(path, target);
    return copy ? AtomicFileWriter(*copy, std::wstring(path)).CreateNew(Bytes()) : created;
}

}  // namespace keldra::settings
