// Icons with the Windows names: loaded from the program's resources by id.
#pragma once

#include "platform/user/UserTypes.h"

HICON LoadIconW(HINSTANCE instance, LPCWSTR name);
BOOL DestroyIcon(HICON icon);

#define LoadIcon LoadIconW

// WM_SETICON's wParam.
#define ICON_SMALL 0
#define ICON_BIG 1
