// A registered window class: the procedure that new windows of the class start with, and
// what their default processing needs (background brush, extra bytes).
#pragma once

#include <string>

#include "platform/user/UserTypes.h"

namespace keldra::platform::user {

struct WindowClass {
    std::wstring name;
    UINT style = 0;
    WNDPROC procedure = nullptr;
    int windowExtraBytes = 0;
    HBRUSH background = nullptr;
    HICON icon = nullptr;
};

}  // namespace keldra::platform::user
