#pragma once

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

namespace keldra::testing {

// Looks at an X server as a client: what a player's desktop would show.
class XProbe {
  public:
    // The area of a window's bounding shape in pixels (X SHAPE extension), or -1.
    static long ShapeArea(const std::string& display, unsigned long window);
    // The colour on the screen at (x, y) as 0xRRGGBB, or -1.
    static long ScreenPixel(const std::string& display, int x, int y);
    // The window that holds `window` directly below the root: a window manager's frame
    // around it, or the window itself when nothing frames it.
    static unsigned long TopLevelOf(const std::string& display, unsigned long window);
    // The sizes (width, height) of the pictures in a window's _NET_WM_ICON, in order.
    static std::vector<std::pair<long, long>> IconSizes(const std::string& display,
                                                        unsigned long window);
    // Makes the server refuse requests of this process: one naming a window that is gone,
    // one naming a pixmap that does not exist. Waits until the errors have come back.
    static void ProvokeErrors(const std::string& display);
};

}  // namespace keldra::testing
