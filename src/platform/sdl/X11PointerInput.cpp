#include "platform/sdl/X11PointerInput.h"

#include <string_view>

#if defined(SDL_VIDEO_DRIVER_X11)
#include <SDL_syswm.h>
#include <X11/Xlib.h>
#endif

namespace keldra::platform::host {

#if defined(SDL_VIDEO_DRIVER_X11)

bool X11PointerInput::Start() {
    const char* driver = SDL_GetCurrentVideoDriver();
    if (driver == nullptr || std::string_view(driver) != "x11") return false;
    SDL_EventState(SDL_SYSWMEVENT, SDL_ENABLE);
    return true;
}

std::optional<X11PointerInput::Report> X11PointerInput::Read(const SDL_SysWMmsg& message) {
    if (message.subsystem != SDL_SYSWM_X11) return std::nullopt;
    const XEvent& event = message.msg.x11.event;
    switch (event.type) {
        case MotionNotify:
            return Report{Report::Kind::Moved, {event.xmotion.x_root, event.xmotion.y_root}};
        case EnterNotify:
        case LeaveNotify:
            // Crossings say where the pointer went, also when no motion follows them.
            return Report{Report::Kind::Moved, {event.xcrossing.x_root, event.xcrossing.y_root}};
        case ButtonPress:
        case ButtonRelease:
            if (event.xbutton.button != Button1) return std::nullopt;
            return Report{event.type == ButtonPress ? Report::Kind::LeftDown : Report::Kind::LeftUp,
                          {event.xbutton.x_root, event.xbutton.y_root}};
        default:
            return std::nullopt;
    }
}

#else

bool X11PointerInput::Start() {
    return false;
}

std::optional<X11PointerInput::Report> X11PointerInput::Read(const SDL_SysWMmsg&) {
    return std::nullopt;
}

#endif

}  // namespace keldra::platform::host
