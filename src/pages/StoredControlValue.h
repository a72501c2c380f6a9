// How one control's value travels between CONFIG.INI and the control: a switch as TRUE or
// FALSE, a slider's level as a number or a word, the screen-size list as a width and a
// height. Every read but the screen size defaults to what the control shows now, so a
// missing key leaves the control as it is.
#pragma once

#include <string>

#include "pages/SliderValue.h"
#include "settings/SettingsTransaction.h"

namespace keldra::pages {

class StoredControlValue {
  public:
    // On only for exactly TRUE; `current` is the default.
    static int ReadFlag(const wchar_t* section, const wchar_t* key, int current,
                        const std::wstring& path);

    // The slider position of the stored level; the trackbar keeps it within its range.
    static int ReadSliderPosition(const wchar_t* section, const wchar_t* key, SliderForm form,
                                  int currentPosition, const std::wstring& path);
    static std::wstring SliderText(SliderForm form, int position);

    // The list position of the stored width and height, read with the built-in mode's size
    // as their defaults; a pair the list does not offer gives the fallback mode.
    static int ReadModeIndex(const wchar_t* section, const wchar_t* widthKey,
                             const wchar_t* heightKey, int builtInIndex, const std::wstring& path);
    // Width, then height, of the chosen mode; nothing when the list has no selection.
    static void WriteMode(settings::SettingsTransaction& save, const wchar_t* section,
                          const wchar_t* widthKey, const wchar_t* heightKey, int index);
};

}  // namespace keldra::pages
