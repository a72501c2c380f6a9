#include <windows.h>

#include "pages/PageLayouts.h"
#include "resource.h"

namespace keldra::pages {

namespace {

using platform::user::DialogItemTemplate;

constexpr DWORD kLabel = WS_CHILD | WS_VISIBLE | WS_GROUP | SS_LEFT;
constexpr DWORD kCheckBox = WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_AUTOCHECKBOX;
constexpr DWORD kSlider = WS_CHILD | WS_VISIBLE | WS_TABSTOP | TBS_HORZ | TBS_NOTICKS | TBS_BOTH;

DialogItemTemplate Label(WORD id, const wchar_t* text, short x, short y, short cx) {
    return {id, L"Static", text, kLabel, 0, x, y, cx, 8};
}

DialogItemTemplate CheckBox(WORD id, const wchar_t* text, short x, short y, short cx) {
    return {id, L"Button", text, kCheckBox, 0, x, y, cx, 10};
}

}  // namespace

// Template order is the tab order: down the left column, then the right one, with the water
// and shadow boxes last.
platform::user::DialogTemplate InterfacePageLayout() {
    platform::user::DialogTemplate layout = EmptyPageLayout();
    layout.items = {
        Label(IDC_INTERFACE_OPERATION_TITLE, L"Operation", 19, 18, 129),
        CheckBox(IDC_INTERFACE_USE_MOUSE, L"Use a mouse", 39, 42, 84),
        CheckBox(IDC_INTERFACE_INV_MOUSE, L"Mouse inversion", 39, 66, 84),
        CheckBox(IDC_INTERFACE_INV_MOUSE_UPDOWN, L"Mouse up down inversion", 39, 90, 96),
        Label(IDC_INTERFACE_SENSITIVITY_TITLE, L"Mouse sensitivity", 137, 44, 103),
        DialogItemTemplate{IDC_INTERFACE_SENSITIVITY_SLIDER, L"msctls_trackbar32", L"", kSlider, 0,
                           137, 57, 108, 15},
        Label(IDC_LOW, L"Low", 137, 77, 22),
        DialogItemTemplate{IDC_HIGH, L"Static", L"High", kLabel, WS_EX_RIGHT, 223, 77, 22, 8},
        Label(IDC_INTERFACE_DISPLAY_TITLE, L"Display", 19, 118, 129),
        CheckBox(IDC_INTERFACE_USER_NAME, L"Player name", 39, 139, 98),
        CheckBox(IDC_INTERFACE_MY_NAME, L"My name", 39, 162, 98),
        CheckBox(IDC_INTERFACE_MONSTER_NAME, L"Monster name", 39, 185, 98),
        CheckBox(IDC_INTERFACE_UI_REOPEN, L"UI re-open", 39, 254, 98),
        CheckBox(IDC_INTERFACE_SHOW_INTERFACE, L"All windows", 39, 277, 98),
        CheckBox(IDC_INTERFACE_HELMET, L"Display a war helmet", 155, 139, 98),
        CheckBox(IDC_INTERFACE_CLOAK, L"Display a mantle", 155, 162, 98),
        CheckBox(IDC_INTERFACE_WEAPONEFF, L"Effect of weapon", 155, 185, 98),
        CheckBox(IDC_INTERFACE_TALK_BALLOON, L"Balloon of talking", 155, 208, 98),
        CheckBox(IDC_INTERFACE_WARNING_MSG, L"Warning message", 155, 254, 98),
        CheckBox(IDC_INTERFACE_SCREEN_SWING, L"Shaking of window", 155, 231, 98),
        CheckBox(IDC_INTERFACE_HIDE_DAMAGE, L"Hide of damage", 155, 277, 98),
        CheckBox(IDC_INTERFACE_WATER, L"Water relection", 39, 208, 63),
        CheckBox(IDC_INTERFACE_SHADOW, L"Shadow effect", 39, 231, 57),
    };
    return layout;
}

}  // namespace keldra::pages
