#include "platform/sdl/X11WindowShape.h"

#include <climits>
#include <vector>

#if defined(SDL_VIDEO_DRIVER_X11)
#include <SDL_syswm.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/shape.h>
#endif

namespace keldra::platform::host {

#if defined(SDL_VIDEO_DRIVER_X11)

namespace {

struct X11Target {
    Display* display = nullptr;
    Window window = 0;
};

std::optional<X11Target> TargetOf(SDL_Window* window) {
    SDL_SysWMinfo info;
    SDL_VERSION(&info.version);
    if (SDL_GetWindowWMInfo(window, &info) != SDL_TRUE || info.subsystem != SDL_SYSWM_X11) {
        return std::nullopt;
    }
    return X11Target{info.info.x11.display, info.info.x11.window};
}

short Clamped(long long value) {
    if (value < SHRT_MIN) return SHRT_MIN;
    if (value > SHRT_MAX) return SHRT_MAX;
    return static_cast<short>(value);
}

unsigned short ClampedSize(long long value) {
    if (value < 0) return 0;
    if (value > USHRT_MAX) return USHRT_MAX;
    return static_cast<unsigned short>(value);
}

// The region's rectangles inside the window, in screen pixels. They come band by band from
// the top and left to right within a band, which is the order X calls YXBanded.
std::vector<XRectangle> ScreenRectangles(int width, int height, const gdi::Region& region,
                                         int scale) {
    std::vector<XRectangle> rectangles;
    rectangles.reserve(region.RectCount());
    region.ForEachRectIn({0, 0, width, height}, [&](const gdi::Rect& piece) {
        rectangles.push_back({Clamped(static_cast<long long>(piece.left) * scale),
                              Clamped(static_cast<long long>(piece.top) * scale),
                              ClampedSize(static_cast<long long>(piece.Width()) * scale),
                              ClampedSize(static_cast<long long>(piece.Height()) * scale)});
    });
    return rectangles;
}

}  // namespace

bool X11WindowShape::IsAvailable(SDL_Window* window) {
    const std::optional<X11Target> target = TargetOf(window);
    int eventBase = 0;
    int errorBase = 0;
    return target && XShapeQueryExtension(target->display, &eventBase, &errorBase) == True;
}

bool X11WindowShape::Apply(SDL_Window* window, int width, int height,
                           const std::optional<gdi::Region>& region, int scale) {
    const std::optional<X11Target> target = TargetOf(window);
    if (!target) return false;
    if (!region) {
        // No region: the window takes its whole rectangle again.
        XShapeCombineMask(target->display, target->window, ShapeBounding, 0, 0, None, ShapeSet);
        XShapeCombineMask(target->display, target->window, ShapeInput, 0, 0, None, ShapeSet);
    } else {
        std::vector<XRectangle> rectangles = ScreenRectangles(width, height, *region, scale);
        for (const int kind : {ShapeBounding, ShapeInput}) {
            XShapeCombineRectangles(target->display, target->window, kind, 0, 0, rectangles.data(),
                                    static_cast<int>(rectangles.size()), ShapeSet, YXBanded);
        }
    }
    XFlush(target->display);
    return true;
}

#else

bool X11WindowShape::IsAvailable(SDL_Window*) {
    return false;
}

bool X11WindowShape::Apply(SDL_Window*, int, int, const std::optional<gdi::Region>&, int) {
    return false;
}

#endif

}  // namespace keldra::platform::host
