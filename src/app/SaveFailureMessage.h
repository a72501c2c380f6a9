// The text the editor shows when CONFIG.INI could not be saved.
#pragma once

#include <string>
#include <string_view>

namespace keldra::app {

class SaveFailureMessage {
  public:
    // The format's first "%s" becomes the file, the second the reason; everything else,
    // '%' included, stays as written, so a translated format can never act as formatting
    // instructions of its own.
    static std::wstring Compose(std::wstring_view format, std::wstring_view file,
                                std::wstring_view reason);
};

}  // namespace keldra::app
