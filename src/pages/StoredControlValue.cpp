#include "pages/StoredControlValue.h"

#include "pages/DisplayModeList.h"
#include "settings/SettingsFile.h"

using keldra::settings::SettingsFile;

namespace keldra::pages {

int StoredControlValue::ReadFlag(const wchar_t* section, const wchar_t* key, int current,
                                 const std::wstring& path) {
    return FlagOf(SettingsFile::ReadText(section, key, FlagText(current), path));
}

int StoredControlValue::ReadSliderPosition(const wchar_t* section, const wchar_t* key,
                                           SliderForm form, int currentPosition,
                                           const std::wstring& path) {
    const int currentLevel = StoredNumberOf(currentPosition);
    if (form == SliderForm::LevelWord) {
        const std::wstring word =
            SettingsFile::ReadText(section, key, LevelWord(currentLevel), path);
        return SliderPositionOf(LevelOfWord(word));
    }
    return SliderPositionOf(SettingsFile::ReadInt(section, key, currentLevel, path));
}

std::wstring StoredControlValue::SliderText(SliderForm form, int position) {
    if (form == SliderForm::LevelWord) return LevelWord(StoredNumberOf(position));
    return StoredNumberText(position);
}

int StoredControlValue::ReadModeIndex(const wchar_t* section, const wchar_t* widthKey,
                                      const wchar_t* heightKey, int builtInIndex,
                                      const std::wstring& path) {
    const int width =
        SettingsFile::ReadInt(section, widthKey, DisplayModeList::WidthOf(builtInIndex), path);
    const int height =
        SettingsFile::ReadInt(section, heightKey, DisplayModeList::HeightOf(builtInIndex), path);
    return DisplayModeList::FindDisplayMode(width, height);
}

void StoredControlValue::WriteMode(settings::SettingsTransaction& save, const wchar_t* section,
                                   const wchar_t* widthKey, const wchar_t* heightKey, int index) {
    if (!DisplayModeList::IsValidIndex(index)) return;
    save.Write(section, widthKey, std::to_wstring(DisplayModeList::WidthOf(index)));
    save.Write(section, heightKey, std::to_wstring(DisplayModeList::HeightOf(index)));
}

}  // namespace keldra::pages
