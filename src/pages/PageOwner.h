// What a settings page needs from the window that holds it: captions, the settings file's
// path, and the OK and Cancel of the whole program. The page finds it through the
// application's main-window pointer.
#pragma once

#include <string>
#include <string_view>

namespace keldra::pages {

class PageOwner {
  public:
    virtual ~PageOwner() = default;

    // The caption for the key from the caption file, or the default text.
    virtual std::wstring LoadCaptionText(std::wstring_view key,
                                         std::wstring_view defaultText) const = 0;
    // The path of CONFIG.INI, for every read of a page's settings.
    virtual const std::wstring& ConfigPath() const = 0;
    virtual void OnBnClickedOk() = 0;
    virtual void OnBnClickedCancel() = 0;

    // The main window as a page owner; nullptr while there is none.
    static PageOwner* OfMainWindow();
};

}  // namespace keldra::pages
