#include "platform/user/windows/IconTable.h"

#include "platform/gdi/image/IcoDecoder.h"
#include "platform/gdi/image/IconGroup.h"
#include "platform/kernel/Resources.h"

namespace keldra::platform::user {

namespace {

std::span<const std::uint8_t> ResourceBytes(LPCWSTR name, LPCWSTR type) {
    const HRSRC resource = FindResourceW(nullptr, name, type);
    const auto* bytes =
        static_cast<const std::uint8_t*>(LockResource(LoadResource(nullptr, resource)));
    if (bytes == nullptr) return {};
    return {bytes, static_cast<std::size_t>(SizeofResource(nullptr, resource))};
}

}  // namespace

HICON IconTable::LoadShared(unsigned id) {
    if (const auto it = byId_.find(id); it != byId_.end()) return it->second;
    std::vector<gdi::IconImage> pictures = LoadPictures(id);
    if (pictures.empty()) return nullptr;
    const HICON icon = reinterpret_cast<HICON>(next_++);
    pictures_.emplace(icon,
                      std::make_shared<const std::vector<gdi::IconImage>>(std::move(pictures)));
    byId_.emplace(id, icon);
    return icon;
}

std::vector<gdi::IconImage> IconTable::LoadPictures(unsigned groupId) {
    std::vector<gdi::IconImage> pictures;
    const auto group = ResourceBytes(MAKEINTRESOURCEW(groupId), RT_GROUP_ICON);
    for (const gdi::IconGroupEntry& entry : gdi::IconGroup::Read(group)) {
        // A picture that is missing or cannot be read is passed over, as the rest still are.
        auto picture =
            gdi::IcoDecoder::Decode(ResourceBytes(MAKEINTRESOURCEW(entry.iconId), RT_ICON));
        if (picture) pictures.push_back(*std::move(picture));
    }
    return pictures;
}

IconPictures IconTable::Find(HICON icon) const {
    const auto it = pictures_.find(icon);
    return it == pictures_.end() ? nullptr : it->second;
}

}  // namespace keldra::platform::user
