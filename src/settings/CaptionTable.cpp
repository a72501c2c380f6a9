#include "settings/CaptionTable.h"

#include "settings/NativePath.h"
#include "settings/SettingsFile.h"

namespace keldra::settings {

std::wstring CaptionTable::PathIfPresent(std::wstring_view path) {
    return NativePath::AnythingAt(NativePath::From(path)) ? std::wstring(path) : std::wstring();
}

std::wstring CaptionTable::Lookup(std::wstring_view captionPath, std::wstring_view key,
                                  std::wstring_view defaultText) {
    if (captionPath.empty()) return std::wstring(defaultText);
    // Translators save in whatever their editor writes: UTF-16, UTF-8 with or without a
    // mark, or a Windows code page.
    return SettingsFile::ReadText(L"RES_TEXT", key, defaultText, captionPath,
                                  IniReadOptions{.recogniseUtf8WithoutBom = true});
}

}  // namespace keldra::settings
