#include "platform/user/windows/WindowClassRegistry.h"

#include <algorithm>
#include <cwctype>

namespace keldra::platform::user {

namespace {

bool SameName(std::wstring_view a, std::wstring_view b) {
    return std::ranges::equal(a, b, [](wchar_t x, wchar_t y) {
        return std::towlower(static_cast<wint_t>(x)) == std::towlower(static_cast<wint_t>(y));
    });
}

}  // namespace

bool WindowClassRegistry::Register(WindowClass windowClass) {
    if (windowClass.name.empty() || windowClass.procedure == nullptr) return false;
    if (windowClass.windowExtraBytes < 0 || windowClass.windowExtraBytes > 1024) return false;
    if (Find(windowClass.name) != nullptr) return false;
    classes_.push_back(std::make_shared<const WindowClass>(std::move(windowClass)));
    return true;
}

bool WindowClassRegistry::Unregister(std::wstring_view name) {
    const auto found = std::ranges::find_if(
        classes_, [&](const auto& windowClass) { return SameName(windowClass->name, name); });
    if (found == classes_.end()) return false;
    classes_.erase(found);
    return true;
}

std::shared_ptr<const WindowClass> WindowClassRegistry::Find(std::wstring_view name) const {
    for (const auto& windowClass : classes_) {
        if (SameName(windowClass->name, name)) return windowClass;
    }
    return nullptr;
}

}  // namespace keldra::platform::user
