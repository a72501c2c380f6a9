#include "wine/ScreenGrab.h"

#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/shape.h>
#include <png.h>

#include <cstdio>
#include <memory>

namespace keldra::testing {

namespace {

struct DisplayCloser {
    void operator()(Display* display) const { XCloseDisplay(display); }
};
struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};

}  // namespace

ScreenGrab ScreenGrab::Take(const std::string& display, unsigned long window, int x, int y,
                            int width, int height) {
    ScreenGrab grab;
    const std::unique_ptr<Display, DisplayCloser> connection(XOpenDisplay(display.c_str()));
    if (!connection) return grab;
    // The root, not the window: what the server shows there, whichever of a program's
    // windows (a child, Wine's client window) drew it.
    XImage* image =
        XGetImage(connection.get(), DefaultRootWindow(connection.get()), x, y,
                  static_cast<unsigned>(width), static_cast<unsigned>(height), AllPlanes, ZPixmap);
    if (image == nullptr) return grab;
    grab.width = width;
    grab.height = height;
    grab.rgb.resize(static_cast<std::size_t>(width) * height);
    for (int row = 0; row < height; ++row)
        for (int column = 0; column < width; ++column)
            grab.rgb[static_cast<std::size_t>(row) * width + column] =
                static_cast<std::uint32_t>(XGetPixel(image, column, row) & 0xFFFFFF);
    XDestroyImage(image);

    // A window without a shape of its own reports one rectangle covering it all.
    grab.inside.assign(grab.rgb.size(), false);
    int count = 0, ordering = 0;
    XRectangle* rects =
        XShapeGetRectangles(connection.get(), window, ShapeBounding, &count, &ordering);
    for (int i = 0; i < count; ++i) {
        for (int row = rects[i].y; row < rects[i].y + rects[i].height; ++row) {
            for (int column = rects[i].x; column < rects[i].x + rects[i].width; ++column) {
                if (row < 0 || column < 0 || row >= height || column >= width) continue;
                grab.inside[static_cast<std::size_t>(row) * width + column] = true;
            }
        }
    }
    if (rects != nullptr) XFree(rects);
    return grab;
}

bool WriteRgbPng(const std::filesystem::path& file, int width, int height,
                 const std::vector<std::uint32_t>& rgb) {
    const std::unique_ptr<std::FILE, FileCloser> out(std::fopen(file.c_str(), "wb"));
    if (!out) return false;
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    if (png == nullptr) return false;
    png_infop info = png_create_info_struct(png);
    if (info == nullptr || setjmp(png_jmpbuf(png))) {
        png_destroy_write_struct(&png, &info);
        return false;
    }
    png_init_io(png, out.get());
    png_set_IHDR(png, info, static_cast<png_uint_32>(width), static_cast<png_uint_32>(height), 8,
                 PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT,
                 PNG_FILTER_TYPE_DEFAULT);
    png_write_info(png, info);
    std::vector<png_byte> row(static_cast<std::size_t>(width) * 3);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const std::uint32_t pixel = rgb[static_cast<std::size_t>(y) * width + x];
            row[x * 3 + 0] = static_cast<png_byte>(pixel >> 16);
            row[x * 3 + 1] = static_cast<png_byte>(pixel >> 8);
            row[x * 3 + 2] = static_cast<png_byte>(pixel);
        }
        png_write_row(png, row.data());
    }
    png_write_end(png, nullptr);
    png_destroy_write_struct(&png, &info);
    return true;
}

}  // namespace keldra::testing
