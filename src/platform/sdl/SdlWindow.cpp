#include "platform/sdl/SdlWindow.h"

#include <algorithm>
#include <string_view>

#include "platform/sdl/SdlShape.h"
#include "platform/sdl/X11WindowShape.h"

#if defined(SDL_VIDEO_DRIVER_X11)
#include <SDL_syswm.h>
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#endif

namespace keldra::platform::host {

namespace {

Uint32 FlagsFor(NativeWindowRole role) {
    switch (role) {
        case NativeWindowRole::Application:
            return 0;
        case NativeWindowRole::Owned:
            return SDL_WINDOW_SKIP_TASKBAR;
        case NativeWindowRole::Popup:
            // On X11 a popup menu window is placed by the program, not the window manager.
            return SDL_WINDOW_SKIP_TASKBAR | SDL_WINDOW_POPUP_MENU | SDL_WINDOW_ALWAYS_ON_TOP;
    }
    return 0;
}

bool IsX11Driver() {
    const char* driver = SDL_GetCurrentVideoDriver();
    return driver != nullptr && std::string_view(driver) == "x11";
}

// SDL hands one picture to the desktop; on X11 the window can carry every size at once,
// so the task bar and the window switcher each get a sharp one.
void SetAllIconSizes([[maybe_unused]] SDL_Window* window,
                     [[maybe_unused]] const std::vector<gdi::IconImage>& pictures) {
#if defined(SDL_VIDEO_DRIVER_X11)
    SDL_SysWMinfo info;
    SDL_VERSION(&info.version);
    if (SDL_GetWindowWMInfo(window, &info) != SDL_TRUE || info.subsystem != SDL_SYSWM_X11) return;
    std::vector<unsigned long> property;  // width, height, then ARGB pixels, per picture
    for (const gdi::IconImage& picture : pictures) {
        property.push_back(static_cast<unsigned long>(picture.width));
        property.push_back(static_cast<unsigned long>(picture.height));
        property.insert(property.end(), picture.argb.begin(), picture.argb.end());
    }
    Display* display = info.info.x11.display;
    XChangeProperty(display, info.info.x11.window, XInternAtom(display, "_NET_WM_ICON", False),
                    XA_CARDINAL, 32, PropModeReplace,
                    reinterpret_cast<const unsigned char*>(property.data()),
                    static_cast<int>(property.size()));
    XFlush(display);
#endif
}

}  // namespace

std::unique_ptr<SdlWindow> SdlWindow::Create(const gdi::Rect& screenRect,
                                             const std::string& titleUtf8, bool shaped, int scale,
                                             NativeWindowRole role) {
    const int width = screenRect.Width() * scale;
    const int height = screenRect.Height() * scale;
    const Uint32 flags = SDL_WINDOW_BORDERLESS | SDL_WINDOW_HIDDEN | FlagsFor(role);
    const auto plainWindow = [&] {
        return SDL_CreateWindow(titleUtf8.c_str(), screenRect.left * scale, screenRect.top * scale,
                                width, height, flags);
    };
    if (!shaped) return Wrap(plainWindow(), ShapeMethod::Rectangle, screenRect, scale);
    if (IsX11Driver()) {
        // On X11 the window is cut straight from the region's rectangles.
        SDL_Window* window = plainWindow();
        if (window == nullptr || X11WindowShape::IsAvailable(window)) {
            return Wrap(window, ShapeMethod::X11Rectangles, screenRect, scale);
        }
        SDL_DestroyWindow(window);
        SDL_SetError("the X server has no SHAPE extension");
        return nullptr;
    }
    return Wrap(SDL_CreateShapedWindow(titleUtf8.c_str(), 0, 0, static_cast<unsigned>(width),
                                       static_cast<unsigned>(height), flags),
                ShapeMethod::SdlMask, screenRect, scale);
}

std::unique_ptr<SdlWindow> SdlWindow::Wrap(SDL_Window* window, ShapeMethod shapeMethod,
                                           const gdi::Rect& screenRect, int scale) {
    if (window == nullptr) return nullptr;
    return std::unique_ptr<SdlWindow>(new SdlWindow(window, shapeMethod, screenRect, scale));
}

SdlWindow::SdlWindow(SDL_Window* window, ShapeMethod shapeMethod, const gdi::Rect& screenRect,
                     int scale)
    : window_(window), shapeMethod_(shapeMethod), scale_(scale), rect_(screenRect) {}

SdlWindow::~SdlWindow() {
    SDL_DestroyWindow(window_);
}

void SdlWindow::BelongTo(const SdlWindow& owner) {
    SDL_SetWindowModalFor(window_, owner.window_);
}

gdi::Point SdlWindow::Position() const {
    gdi::Point position;
    SDL_GetWindowPosition(window_, &position.x, &position.y);
    return {position.x / scale_, position.y / scale_};
}

std::optional<gdi::Point> SdlWindow::TakeDesktopMove() {
    const gdi::Point now = Position();
    if (now.x == rect_.left && now.y == rect_.top) return std::nullopt;
    rect_ = gdi::Rect::FromSize(now.x, now.y, rect_.Width(), rect_.Height());
    return now;
}

void SdlWindow::SetShape(const std::optional<gdi::Region>& region) {
    shape_ = region;
    switch (shapeMethod_) {
        case ShapeMethod::Rectangle:
            return;
        case ShapeMethod::X11Rectangles:
            shapeApplied_ =
                X11WindowShape::Apply(window_, rect_.Width(), rect_.Height(), shape_, scale_);
            return;
        case ShapeMethod::SdlMask:
            SetSdlShape();
            return;
    }
}

void SdlWindow::SetSdlShape() {
    const SdlSurfacePtr surface = SdlShape::Surface(rect_.Width(), rect_.Height(), shape_, scale_);
    if (!surface) return;
    SDL_WindowShapeMode mode{};
    mode.mode = ShapeModeDefault;  // alpha of at least 1 is inside
    SDL_SetWindowShape(window_, surface.get(), &mode);
    shapeApplied_ = true;
    // Setting a shape moves the window to where SDL thinks it belongs, and SDL does not
    // honour a coordinate of 0 there: put it where it must be.
    SDL_SetWindowPosition(window_, Scaled(rect_.left), Scaled(rect_.top));
}

void SdlWindow::Place(const gdi::Rect& screenRect) {
    const bool resized =
        screenRect.Width() != rect_.Width() || screenRect.Height() != rect_.Height();
    rect_ = screenRect;
    if (resized) {
        SDL_SetWindowSize(window_, Scaled(rect_.Width()), Scaled(rect_.Height()));
        shown_.reset();
        SetShape(shape_);  // a resize loses the shape and sends a shaped window off-screen
    }
    SDL_SetWindowPosition(window_, Scaled(rect_.left), Scaled(rect_.top));
}

void SdlWindow::SetTitle(const std::string& titleUtf8) {
    SDL_SetWindowTitle(window_, titleUtf8.c_str());
}

void SdlWindow::SetIcon(const std::vector<gdi::IconImage>& pictures) {
    if (pictures.empty()) return;
    const auto largest =
        std::max_element(pictures.begin(), pictures.end(),
                         [](const auto& a, const auto& b) { return a.width < b.width; });
    SdlSurfacePtr surface(SDL_CreateRGBSurfaceWithFormatFrom(
        const_cast<std::uint32_t*>(largest->argb.data()), largest->width, largest->height, 32,
        largest->width * 4, SDL_PIXELFORMAT_ARGB8888));
    if (surface) SDL_SetWindowIcon(window_, surface.get());
    SetAllIconSizes(window_, pictures);
}

void SdlWindow::Show() {
    // A window SDL shapes shows only once it has a shape.
    if (shapeMethod_ != ShapeMethod::Rectangle && !shapeApplied_) SetShape(shape_);
    SDL_ShowWindow(window_);
    SDL_SetWindowPosition(window_, Scaled(rect_.left), Scaled(rect_.top));
}

void SdlWindow::Hide() {
    SDL_HideWindow(window_);
}

void SdlWindow::Minimize() {
    SDL_MinimizeWindow(window_);
}

void SdlWindow::Restore() {
    SDL_RestoreWindow(window_);
}

std::vector<SDL_Rect> SdlWindow::ChangedRects(const gdi::Surface& pixels) const {
    const int width = std::min(pixels.Width(), rect_.Width());
    const int height = std::min(pixels.Height(), rect_.Height());
    if (!shown_ || shown_->Width() != pixels.Width() || shown_->Height() != pixels.Height()) {
        return {SDL_Rect{0, 0, width, height}};
    }
    // One rectangle per run of changed rows, as wide as the changes in that run.
    std::vector<SDL_Rect> rects;
    int runTop = -1, left = width, right = 0;
    for (int y = 0; y <= height; ++y) {
        int rowLeft = width, rowRight = 0;
        if (y < height) {
            const auto now = pixels.Row(y);
            const auto before = shown_->Row(y);
            for (int x = 0; x < width; ++x) {
                if (now[x] == before[x]) continue;
                rowLeft = std::min(rowLeft, x);
                rowRight = x + 1;
            }
        }
        if (rowRight > 0) {
            if (runTop < 0) runTop = y;
            left = std::min(left, rowLeft);
            right = std::max(right, rowRight);
        } else if (runTop >= 0) {
            rects.push_back({left, runTop, right - left, y - runTop});
            runTop = -1;
            left = width;
            right = 0;
        }
    }
    return rects;
}

void SdlWindow::Copy(const gdi::Surface& pixels, const std::vector<SDL_Rect>& rects) {
    SDL_Surface* target = SDL_GetWindowSurface(window_);
    if (target == nullptr) return;
    std::vector<SDL_Rect> screenRects;
    for (const SDL_Rect& r : rects) {
        if (scale_ == 1) {
            CopyRect(pixels, r, *target);
        } else {
            CopyRectScaled(pixels, r, *target);
        }
        screenRects.push_back({Scaled(r.x), Scaled(r.y), Scaled(r.w), Scaled(r.h)});
    }
    SDL_UpdateWindowSurfaceRects(window_, screenRects.data(), static_cast<int>(screenRects.size()));
}

void SdlWindow::CopyRect(const gdi::Surface& pixels, const SDL_Rect& r, SDL_Surface& target) const {
    const auto* source = pixels.Row(r.y).data() + r.x;
    auto* destination = static_cast<Uint8*>(target.pixels) +
                        static_cast<std::ptrdiff_t>(r.y) * target.pitch +
                        static_cast<std::ptrdiff_t>(r.x) * target.format->BytesPerPixel;
    SDL_ConvertPixels(r.w, r.h, SDL_PIXELFORMAT_RGB888, source, pixels.Width() * 4,
                      target.format->format, destination, target.pitch);
}

// Each pixel becomes a block of scale x scale screen pixels: the artwork stays sharp.
void SdlWindow::CopyRectScaled(const gdi::Surface& pixels, const SDL_Rect& r,
                               SDL_Surface& target) const {
    if (target.format->BytesPerPixel != 4) return;
    const int right = std::min(Scaled(r.x + r.w), target.w);
    const int bottom = std::min(Scaled(r.y + r.h), target.h);
    for (int y = Scaled(r.y); y < bottom; ++y) {
        const auto source = pixels.Row(y / scale_);
        auto* row = reinterpret_cast<Uint32*>(static_cast<Uint8*>(target.pixels) +
                                              static_cast<std::ptrdiff_t>(y) * target.pitch);
        for (int x = Scaled(r.x); x < right; ++x) {
            const gdi::Pixel p = source[static_cast<std::size_t>(x / scale_)];
            row[x] = SDL_MapRGB(target.format, gdi::RedOf(p), gdi::GreenOf(p), gdi::BlueOf(p));
        }
    }
}

void SdlWindow::Present(const gdi::Surface& pixels) {
    const std::vector<SDL_Rect> rects = ChangedRects(pixels);
    if (rects.empty()) return;
    Copy(pixels, rects);
    shown_ = pixels.Clone();
}

void SdlWindow::Repaint() {
    if (!shown_) return;
    Copy(*shown_, {SDL_Rect{0, 0, std::min(shown_->Width(), rect_.Width()),
                            std::min(shown_->Height(), rect_.Height())}});
}

}  // namespace keldra::platform::host
