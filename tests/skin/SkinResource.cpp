#include "SkinResource.h"

namespace keldra::test {

std::span<const std::uint8_t> SkinResource::Bytes(int id, LPCWSTR type) {
    HRSRC found = FindResourceW(nullptr, MAKEINTRESOURCEW(id), type);
    if (found == nullptr) return {};
    HGLOBAL loaded = LoadResource(nullptr, found);
    const auto* data = static_cast<const std::uint8_t*>(LockResource(loaded));
    if (data == nullptr) return {};
    return {data, SizeofResource(nullptr, found)};
}

}  // namespace keldra::test
