#include "platform/user/UserIcons.h"

#include "platform/user/windows/IconTable.h"

using keldra::platform::user::IconTable;

HICON LoadIconW(HINSTANCE, LPCWSTR name) {
    // Only numbered icons of this program exist; the system's stock icons are not needed.
    if (name == nullptr || !IS_INTRESOURCE(name)) return nullptr;
    return IconTable::Instance().LoadShared(
        static_cast<unsigned>(reinterpret_cast<ULONG_PTR>(name)));
}

// Icons from resources are shared and live as long as the program, as on the platform.
BOOL DestroyIcon(HICON icon) {
    return IconTable::Instance().Find(icon) != nullptr ? TRUE : FALSE;
}
