#pragma once

#include <string>
#include <string_view>

#include "settings/IniDocument.h"
#include "settings/SaveResult.h"

namespace keldra::settings {

// The settings file operations, each given section, key and the file's path (written
// the Windows way, "<dir>\CONFIG.INI"). Reads never fail: a missing or unreadable file,
// section or key gives the caller's default.
class SettingsFile {
  public:
    // The stored text, at most 259 characters; the default when the key is missing. A key
    // present with an empty value gives the empty text.
    static std::wstring ReadText(std::wstring_view section, std::wstring_view key,
                                 std::wstring_view fallback, std::wstring_view path,
                                 IniReadOptions options = {});

    // The decimal integer at the start of the stored value (7abc is 7, abc is 0); the
    // default when the key is missing or its value empty.
    static int ReadInt(std::wstring_view section, std::wstring_view key, int fallback,
                       std::wstring_view path);

    // One write, saved at once in one step (see SettingsTransaction).
    static SaveResult Write(std::wstring_view section, std::wstring_view key,
                            std::wstring_view value, std::wstring_view path);
};

}  // namespace keldra::settings
