#include "platform/user/IconTable.h"

#include "platform/gdi/IcoDecoder.h"
#include "platform/kernel/Resources.h"

namespace keldra::platform::user {

IconTable& IconTable::Instance() {
    static IconTable table;
    return table;
}

HICON IconTable::LoadShared(unsigned id) {
    if (const auto it = byId_.find(id); it != byId_.end()) return it->second;
    HRSRC resource = FindResourceW(nullptr, MAKEINTRESOURCEW(id), RT_GROUP_ICON);
    const auto* bytes =
        static_cast<const std::uint8_t*>(LockResource(LoadResource(nullptr, resource)));
    if (bytes == nullptr) return nullptr;
    auto pictures = gdi::IcoDecoder::Decode({bytes, SizeofResource(nullptr, resource)});
    if (pictures.empty()) return nullptr;
    const HICON icon = reinterpret_cast<HICON>(next_++);
    pictures_.emplace(icon,
                      std::make_shared<const std::vector<gdi::IconImage>>(std::move(pictures)));
    byId_.emplace(id, icon);
    return icon;
}

IconPictures IconTable::Find(HICON icon) const {
    const auto it = pictures_.find(icon);
    return it == pictures_.end() ? nullptr : it->second;
}

}  // namespace keldra::platform::user
