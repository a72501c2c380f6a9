#include "platform/user/UserIcons.h"

#include "platform/user/windows/IconTable.h"
#include "platform/user/windows/UserState.h"

using keldra::platform::user::IconTable;
using keldra::platform::user::UserState;

HICON LoadIconW(HINSTANCE, LPCWSTR name) {
    // Only numbered icons of this program exist; the system's stock icons are not needed.
    if (name == nullptr || !IS_INTRESOURCE(name)) return nullptr;
    return UserState::Require().Icons().LoadShared(
        static_cast<unsigned>(reinterpret_cast<ULONG_PTR>(name)));
}

// Icons from resources are shared and live as long as the program, as on the platform.
BOOL DestroyIcon(HICON icon) {
    return UserState::Current() != nullptr && UserState::Current()->Icons().Find(icon) != nullptr
               ? TRUE
               : FALSE;
}
