#include "platform/sdl/X11ErrorPolicy.h"

#include <SDL.h>

#include <cstdio>

#if defined(SDL_VIDEO_DRIVER_X11)
#include <X11/Xlib.h>
#endif

namespace keldra::platform::host {

#if defined(SDL_VIDEO_DRIVER_X11)

namespace {

int OnXError(Display* display, XErrorEvent* error) {
    if (error->error_code == BadWindow) return 0;  // the window is gone: nothing to do
    char text[160] = {};
    XGetErrorText(display, error->error_code, text, sizeof text);
    std::fprintf(stderr, "keldra: the X server refused a request (%s, request %d); going on\n",
                 text, error->request_code);
    return 0;
}

}  // namespace

void X11ErrorPolicy::Install() {
    XSetErrorHandler(OnXError);
}

#else

void X11ErrorPolicy::Install() {}

#endif

}  // namespace keldra::platform::host
