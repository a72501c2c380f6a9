#include <windows.h>

#include "pages/PageLayouts.h"
#include "resource.h"

namespace keldra::pages {

namespace {

using platform::user::DialogItemTemplate;

constexpr DWORD kLabel = WS_CHILD | WS_VISIBLE | WS_GROUP | SS_LEFT;
constexpr DWORD kCheckBox = WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_AUTOCHECKBOX;
constexpr DWORD kSlider = WS_CHILD | WS_VISIBLE | WS_TABSTOP | TBS_HORZ | TBS_NOTICKS | TBS_BOTH;

}  // namespace

// The effect slider stands first on screen but last in the tab order.
platform::user::DialogTemplate SoundPageLayout() {
    platform::user::DialogTemplate layout = EmptyPageLayout();
    layout.items = {
        DialogItemTemplate{IDC_SOUND_VOLUME_TITLE, L"Static", L"Volume", kLabel, 0, 19, 19, 97, 8},
        DialogItemTemplate{IDC_SOUND_EFFECT_TITLE, L"Static", L"Effect sounds", kLabel | SS_CENTER,
                           0, 34, 68, 73, 8},
        DialogItemTemplate{IDC_SOUND_BGM_TITLE, L"Static", L"Background sounds", kLabel | SS_CENTER,
                           0, 34, 102, 73, 8},
        DialogItemTemplate{IDC_SOUND_WORLD_TITLE, L"Static", L"Environment sounds",
                           kLabel | SS_CENTER, 0, 34, 137, 73, 8},
        DialogItemTemplate{IDC_LOW, L"Static", L"Low", kLabel, 0, 115, 52, 33, 8},
        DialogItemTemplate{IDC_HIGH, L"Static", L"High", kLabel, WS_EX_RIGHT, 197, 52, 26, 8},
        DialogItemTemplate{IDC_SOUND_BGM_SLIDER, L"msctls_trackbar32", L"", kSlider, 0, 115, 100,
                           108, 15},
        DialogItemTemplate{IDC_SOUND_WORLD_SLIDER, L"msctls_trackbar32", L"", kSlider, 0, 115, 135,
                           108, 15},
        DialogItemTemplate{IDC_SOUND_ETC_TITLE, L"Static", L"ETC.", kLabel, 0, 19, 200, 97, 8},
        DialogItemTemplate{IDC_SOUND_VOICE_CHAR, L"Button", L"Character voice", kCheckBox, 0, 39,
                           234, 75, 10},
        DialogItemTemplate{IDC_SOUND_VOICE_NPC, L"Button", L"NPC voice", kCheckBox, 0, 155, 234, 75,
                           10},
        DialogItemTemplate{IDC_SOUND_DANGER_DETECT, L"Button", L"Danger preception", kCheckBox, 0,
                           39, 263, 75, 10},
        DialogItemTemplate{IDC_SOUND_EFFECT_SLIDER, L"msctls_trackbar32", L"", kSlider, 0, 115, 66,
                           108, 15},
    };
    return layout;
}

}  // namespace keldra::pages
