#include <commctrl.h>
#include <windows.h>

#include "pages/PageLayouts.h"
#include "resource.h"

namespace keldra::pages {

namespace {

using platform::user::DialogItemTemplate;

constexpr DWORD kVisibleChild = WS_CHILD | WS_VISIBLE;
constexpr DWORD kCheckBox = kVisibleChild | WS_TABSTOP | BS_AUTOCHECKBOX;
constexpr DWORD kSlider = kVisibleChild | WS_TABSTOP | TBS_BOTH | TBS_NOTICKS;

DialogItemTemplate Label(WORD id, const wchar_t* text, short x, short y, short cx, short cy,
                         DWORD style = SS_LEFT, DWORD exStyle = 0) {
    return {id, L"Static", text, kVisibleChild | style, exStyle, x, y, cx, cy};
}

DialogItemTemplate CheckBox(WORD id, const wchar_t* text, short x, short y, short cx, short cy) {
    return {id, L"Button", text, kCheckBox, 0, x, y, cx, cy};
}

DialogItemTemplate Slider(WORD id, short x, short y) {
    return {id, L"msctls_trackbar32", L"", kSlider, 0, x, y, 108, 15};
}

}  // namespace

// Every caption here is replaced by its T_CONFIG.INI text when the page starts.
platform::user::DialogTemplate GraphicPageLayout() {
    platform::user::DialogTemplate layout = EmptyPageLayout();
    layout.items = {
        Label(IDC_DISPLAY_TITLE, L"Display", 20, 18, 137, 8),
        CheckBox(IDC_WINDOW_MODE_CHECK, L"Window mode", 160, 42, 57, 18),
        CheckBox(IDC_FULL_SCREEN_CHECK, L"Full screen", 160, 65, 52, 18),
        {IDC_RESOLUTION_COMBO, L"ComboBox", L"",
         kVisibleChild | WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWNLIST, 0, 40, 61, 74, 76},
        Label(IDC_RESOLUTION_LABEL, L"Resolution", 40, 47, 84, 8),
        Label(IDC_BACKGROUND_GRAPHIC_TITLE, L"Background graphic", 19, 107, 137, 8),
        Slider(IDC_GLOW_SLIDER, 27, 146),
        Slider(IDC_BRIGHTNESS_SLIDER, 141, 146),
        Slider(IDC_MAX_FIELD_SLIDER, 141, 197),
        Slider(IDC_DETAIL_SLIDER, 27, 197),
        Label(IDC_GLOW_LABEL, L"Glow", 27, 133, 87, 8),
        Label(IDC_BRIGHTNESS_LABEL, L"Brightness", 141, 133, 87, 8),
        Label(IDC_MAX_FIELD_LABEL, L"Maximum field", 141, 183, 87, 8),
        Label(IDC_DETAIL_LABEL, L"Detailed depiction", 27, 183, 87, 8, SS_LEFT, WS_EX_TRANSPARENT),
        Label(IDC_LOW, L"Low", 27, 165, 27, 8),
        Label(IDC_HIGH, L"High", 103, 165, 32, 8, SS_RIGHT),
        Label(IDC_ETC_TITLE, L"ETC.", 19, 238, 137, 8),
        CheckBox(IDC_USE_FILTER_CHECK, L"Filter for a slang word", 155, 261, 98, 10),
        CheckBox(IDC_REJECT_PARTY_CHECK, L"Reject for party", 39, 283, 98, 10),
        CheckBox(IDC_REJECT_TRADE_CHECK, L"Reject for trade", 39, 261, 98, 10),
        CheckBox(IDC_REJECT_FIGHT_CHECK, L"Reject for duel", 155, 283, 98, 10),
    };
    return layout;
}

}  // namespace keldra::pages
