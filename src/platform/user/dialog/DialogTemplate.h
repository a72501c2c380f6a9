// A dialog layout in dialog units, as read from a binary dialog template: the dialog's own
// styles, size, font and caption, and its controls in creation (and so tab) order.
#pragma once

#include <string>
#include <vector>

#include "platform/user/UserTypes.h"

namespace keldra::platform::user {

struct DialogItemTemplate {
    DWORD id = 0;
    std::wstring className;
    std::wstring text;
    DWORD style = 0;
    DWORD exStyle = 0;
    short x = 0;
    short y = 0;
    short cx = 0;
    short cy = 0;
};

struct DialogTemplate {
    DWORD style = 0;
    DWORD exStyle = 0;
    short x = 0;
    short y = 0;
    short cx = 0;
    short cy = 0;
    // The window class when the template names its own, otherwise empty (the dialog class).
    std::wstring className;
    // Without DS_SETFONT a template names no font; the dialog font stands in.
    std::wstring fontName = L"MS Shell Dlg";
    WORD pointSize = 8;
    WORD fontWeight = 400;
    bool italic = false;
    std::wstring caption;
    std::vector<DialogItemTemplate> items;
};

}  // namespace keldra::platform::user
