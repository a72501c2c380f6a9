#include "platform/sdl/DisplayScale.h"

#include <SDL.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <sstream>
#include <string>

#if defined(SDL_VIDEO_DRIVER_X11)
#include <X11/Xlib.h>
#endif

namespace keldra::platform::host {

std::optional<double> DisplayScale::XftDpiIn(const char* resources) {
    if (resources == nullptr) return std::nullopt;
    std::istringstream lines(resources);
    for (std::string line; std::getline(lines, line);) {
        if (line.rfind("Xft.dpi:", 0) != 0) continue;
        const char* value = line.c_str() + 8;
        char* end = nullptr;
        const double dpi = std::strtod(value, &end);
        if (end != value && dpi > 0) return dpi;
    }
    return std::nullopt;
}

std::optional<double> DisplayScale::DesktopDpi() {
#if defined(SDL_VIDEO_DRIVER_X11)
    if (Display* display = XOpenDisplay(nullptr)) {
        const auto dpi = XftDpiIn(XResourceManagerString(display));
        XCloseDisplay(display);
        if (dpi) return dpi;
    }
#endif
    float diagonal = 0, horizontal = 0, vertical = 0;
    if (SDL_GetDisplayDPI(0, &diagonal, &horizontal, &vertical) == 0 && horizontal > 0)
        return horizontal;
    return std::nullopt;
}

int DisplayScale::ForDpi(std::optional<double> dpi) {
    if (!dpi || *dpi < 144) return 1;
    return std::max(1, static_cast<int>(std::floor(*dpi / 96)));
}

}  // namespace keldra::platform::host
