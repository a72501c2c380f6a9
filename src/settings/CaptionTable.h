#pragma once

#include <string>
#include <string_view>

namespace keldra::settings {

// The translated captions in T_CONFIG.INI, section RES_TEXT. An empty caption path
// means there is no caption file: every lookup gives its default.
class CaptionTable {
  public:
    // The path itself when anything exists there at this moment, else the empty path.
    // Decided once at start: a caption file that appears later is not used.
    static std::wstring PathIfPresent(std::wstring_view path);

    // The caption for the key, at most 259 characters. A key present with an empty
    // value gives the empty text, not the default.
    static std::wstring Lookup(std::wstring_view captionPath, std::wstring_view key,
                               std::wstring_view defaultText);
};

}  // namespace keldra::settings
