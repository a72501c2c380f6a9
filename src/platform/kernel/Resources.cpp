#include "platform/kernel/Resources.h"

#include "platform/kernel/EmbeddedResource.h"

using keldra::platform::EmbeddedResourceRow;
using keldra::platform::ResourceType;

namespace {

const EmbeddedResourceRow* RowOf(HRSRC resource) {
    return reinterpret_cast<const EmbeddedResourceRow*>(resource);
}

}  // namespace

HRSRC FindResourceW(HMODULE, LPCWSTR name, LPCWSTR type) {
    // Only numbered resources exist in this program; a named resource is never found.
    if (name == nullptr || type == nullptr || !IS_INTRESOURCE(name)) return nullptr;
    const auto id = static_cast<unsigned>(reinterpret_cast<ULONG_PTR>(name));
    const auto wanted =
        IS_INTRESOURCE(type)
            ? ResourceType::Numeric(static_cast<unsigned>(reinterpret_cast<ULONG_PTR>(type)))
            : ResourceType::Named(type);
    const EmbeddedResourceRow* row = keldra::platform::FindEmbeddedResource(wanted, id);
    return reinterpret_cast<HRSRC>(const_cast<EmbeddedResourceRow*>(row));
}

HGLOBAL LoadResource(HMODULE, HRSRC resource) {
    if (resource == nullptr) return nullptr;
    return const_cast<unsigned char*>(RowOf(resource)->begin);
}

DWORD SizeofResource(HMODULE, HRSRC resource) {
    if (resource == nullptr) return 0;
    return static_cast<DWORD>(RowOf(resource)->Bytes().size());
}

// Resources are read-only and always resident, so "locking" just hands out the bytes.
LPVOID LockResource(HGLOBAL loaded) {
    return loaded;
}
