#include "support/XProbe.h"

#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/shape.h>

#include <memory>

namespace keldra::testing {

namespace {

struct DisplayCloser {
    void operator()(Display* display) const { XCloseDisplay(display); }
};
using DisplayPtr = std::unique_ptr<Display, DisplayCloser>;

}  // namespace

long XProbe::ShapeArea(const std::string& display, unsigned long window) {
    const DisplayPtr connection(XOpenDisplay(display.c_str()));
    if (!connection) return -1;
    int count = 0, ordering = 0;
    XRectangle* rects =
        XShapeGetRectangles(connection.get(), window, ShapeBounding, &count, &ordering);
    long area = 0;
    for (int i = 0; i < count; ++i) area += long{rects[i].width} * rects[i].height;
    if (rects != nullptr) XFree(rects);
    return area;
}

long XProbe::ScreenPixel(const std::string& display, int x, int y) {
    const DisplayPtr connection(XOpenDisplay(display.c_str()));
    if (!connection) return -1;
    XImage* image = XGetImage(connection.get(), DefaultRootWindow(connection.get()), x, y, 1, 1,
                              AllPlanes, ZPixmap);
    if (image == nullptr) return -1;
    const long pixel = static_cast<long>(XGetPixel(image, 0, 0) & 0xFFFFFF);
    XDestroyImage(image);
    return pixel;
}

unsigned long XProbe::TopLevelOf(const std::string& display, unsigned long window) {
    const DisplayPtr connection(XOpenDisplay(display.c_str()));
    if (!connection) return 0;
    Window current = window;
    for (;;) {
        Window root = 0, parent = 0;
        Window* children = nullptr;
        unsigned int count = 0;
        if (XQueryTree(connection.get(), current, &root, &parent, &children, &count) == 0) return 0;
        if (children != nullptr) XFree(children);
        if (parent == root || parent == 0) return current;
        current = parent;
    }
}

std::vector<std::pair<long, long>> XProbe::IconSizes(const std::string& display,
                                                     unsigned long window) {
    std::vector<std::pair<long, long>> sizes;
    const DisplayPtr connection(XOpenDisplay(display.c_str()));
    if (!connection) return sizes;
    Atom type = 0;
    int format = 0;
    unsigned long count = 0, remaining = 0;
    unsigned char* data = nullptr;
    const Atom icon = XInternAtom(connection.get(), "_NET_WM_ICON", True);
    if (icon == 0 ||
        XGetWindowProperty(connection.get(), window, icon, 0, 1 << 20, False, AnyPropertyType,
                           &type, &format, &count, &remaining, &data) != Success) {
        return sizes;
    }
    const auto* values = reinterpret_cast<const unsigned long*>(data);  // format 32 comes as longs
    for (unsigned long at = 0; format == 32 && at + 2 <= count;) {
        const long width = static_cast<long>(values[at]);
        const long height = static_cast<long>(values[at + 1]);
        sizes.emplace_back(width, height);
        at += 2 + static_cast<unsigned long>(width * height);
    }
    if (data != nullptr) XFree(data);
    return sizes;
}

void XProbe::ProvokeErrors(const std::string& display) {
    Display* connection = XOpenDisplay(display.c_str());
    if (connection == nullptr) return;
    const Window window =
        XCreateSimpleWindow(connection, DefaultRootWindow(connection), 0, 0, 10, 10, 0, 0, 0);
    XDestroyWindow(connection, window);
    XDestroyWindow(connection, window);  // gone already
    XFreePixmap(connection, window);     // never a pixmap
    XSync(connection, False);
    XCloseDisplay(connection);
}

}  // namespace keldra::testing
