// How large the window must be drawn on the player's screen: whole multiples only, so the
// pixel artwork stays sharp.
#pragma once

#include <optional>

namespace keldra::platform::host {

class DisplayScale {
  public:
    // The dots per inch the desktop announces: the X resource Xft.dpi, which desktop
    // environments set, else what SDL reads off the display; nothing if neither knows.
    static std::optional<double> DesktopDpi();
    // 1 up to 143 dots per inch, then the whole multiple of 96 that fits (2 at 192).
    static int ForDpi(std::optional<double> dpi);
    // The Xft.dpi value in an X resource database text, if it holds one.
    static std::optional<double> XftDpiIn(const char* resources);
};

}  // namespace keldra::platform::host
