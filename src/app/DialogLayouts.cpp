#include "app/DialogLayouts.h"

#include <windows.h>

#include "pages/PageLayouts.h"
#include "platform/user/DialogTemplateRegistry.h"
#include "resource.h"

namespace keldra::app {

namespace {

using platform::user::DialogItemTemplate;
using platform::user::DialogTemplate;

constexpr DWORD kOwnerDrawButton = WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_OWNERDRAW;

DialogItemTemplate Button(WORD id, const wchar_t* text, short x, short y, short cx, short cy) {
    return {id, L"Button", text, kOwnerDrawButton, 0, x, y, cx, cy};
}

// The main window: a popup without title bar or border, centred, with a task bar button.
// Initialisation sizes it and its buttons from the skin; only ids, styles and centring count.
DialogTemplate ConfigDialog() {
    DialogTemplate layout;
    layout.style = WS_POPUP | WS_VISIBLE | DS_CENTER | DS_SETFONT;
    layout.exStyle = WS_EX_APPWINDOW;
    layout.cx = 300;
    layout.cy = 361;
    layout.caption = L"Keldra";
    layout.items = {
        Button(IDC_GRAPHIC_TAB, L"Graphic", 20, 37, 67, 15),
        Button(IDC_SOUND_TAB, L"Sound", 87, 37, 67, 15),
        Button(IDC_INTERFACE_TAB, L"Interface", 155, 37, 67, 15),
        Button(IDC_DEF_BUTTON, L"Back", 10, 375, 54, 19),
        Button(IDOK, L"OK", 185, 375, 54, 19),
        Button(IDCANCEL, L"Cancel", 240, 375, 54, 19),
        Button(IDC_MINIMIZE_BUTTON, L"", 260, 6, 17, 12),
        Button(IDC_CLOSE_BUTTON, L"", 279, 6, 17, 12),
    };
    return layout;
}

}  // namespace

void RegisterDialogLayouts() {
    auto& registry = platform::user::DialogTemplateRegistry::Instance();
    registry.Register(IDD_CONFIG_DIALOG, ConfigDialog());
    registry.Register(IDD_GRAPHIC_DIALOG, pages::GraphicPageLayout());
    registry.Register(IDD_INTERFACE_DIALOG, pages::InterfacePageLayout());
    registry.Register(IDD_SOUND_DIALOG, pages::SoundPageLayout());
}

}  // namespace keldra::app
