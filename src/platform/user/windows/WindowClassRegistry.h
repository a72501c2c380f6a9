// The registered window classes, found by name without regard to case as the platform does.
#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "platform/user/windows/WindowClass.h"

namespace keldra::platform::user {

class WindowClassRegistry {
  public:
    // False when a class of that name exists already or the description is unusable.
    bool Register(WindowClass windowClass);
    bool Unregister(std::wstring_view name);
    std::shared_ptr<const WindowClass> Find(std::wstring_view name) const;

  private:
    std::vector<std::shared_ptr<const WindowClass>> classes_;
};

}  // namespace keldra::platform::user
