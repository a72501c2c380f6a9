#include "platform/sdl/SdlHost.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string_view>

#include "platform/gdi/image/FirstWindowPreparation.h"
#include "platform/sdl/DisplayScale.h"
#include "platform/sdl/SdlKeyMap.h"
#include "platform/sdl/X11ErrorPolicy.h"

namespace keldra::platform::host {

namespace {

std::string Utf8(const std::wstring& text) {
    char* converted = SDL_iconv_wchar_utf8(text.c_str());
    if (converted == nullptr) return {};
    std::string utf8(converted);
    SDL_free(converted);
    return utf8;
}

bool ShowsWindowsToAPlayer(const char* driver) {
    if (driver == nullptr) return false;
    const std::string_view name(driver);
    return name != "offscreen" && name != "dummy";
}

// Drivers that place windows themselves cannot cut a window to a shape.
bool DriverCanShape() {
    const char* driver = SDL_GetCurrentVideoDriver();
    return driver != nullptr && std::string_view(driver) != "wayland";
}

}  // namespace

std::unique_ptr<SdlHost> SdlHost::Open(std::string& error) {
    // A texture-backed window surface would recreate the window and silently lose its shape.
    SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
    // A terminating signal ends the program as it would any other: nothing is saved then,
    // as with Cancel, and SDL must not turn the signal into an event the program ignores.
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    // Keep the desktop's compositor running while the editor is open.
    SDL_SetHint(SDL_HINT_VIDEO_X11_NET_WM_BYPASS_COMPOSITOR, "0");
    if (std::getenv("DISPLAY") == nullptr && std::getenv("WAYLAND_DISPLAY") == nullptr &&
        std::getenv("SDL_VIDEODRIVER") == nullptr) {
        // Without these SDL would try every driver it knows and chatter about each.
        error =
            "cannot open a window on this desktop: no display found (neither DISPLAY nor "
            "WAYLAND_DISPLAY is set)";
        return nullptr;
    }
    // Connecting to the desktop takes a while; the pictures and fonts the first window
    // needs are prepared on the other core meanwhile.
    auto preparation = std::make_unique<gdi::FirstWindowPreparation>();
    // Before SDL starts: SDL keeps the handler it finds and puts it back when it closes its
    // connections, which is when a late error most often arrives.
    X11ErrorPolicy::Install();
    if (SDL_Init(SDL_INIT_VIDEO) != 0) {
        error = std::string("cannot open a window on this desktop: ") + SDL_GetError();
        return nullptr;
    }
    if (!ShowsWindowsToAPlayer(SDL_GetCurrentVideoDriver())) {
        // SDL falls back to drawing into memory when it finds no display at all.
        error = std::string(
            "cannot open a window on this desktop: no display found (DISPLAY or WAYLAND_DISPLAY)");
        SDL_Quit();
        return nullptr;
    }
    std::unique_ptr<SdlHost> host(new SdlHost());
    host->preparation_ = std::move(preparation);
    host->canShape_ = DriverCanShape();
    host->serverPointer_ = X11PointerInput::Start();
    host->scale_ = DisplayScale::ForDpi(DisplayScale::DesktopDpi());
    if (!host->canShape_) {
        std::fprintf(stderr,
                     "keldra: this desktop cannot shape windows; the window stays rectangular\n");
    }
    return host;
}

SdlHost::~SdlHost() {
    windows_.clear();
    SDL_Quit();
}

SdlWindow* SdlHost::Find(HWND window) const {
    const auto it = windows_.find(window);
    return it == windows_.end() ? nullptr : it->second.get();
}

HWND SdlHost::WindowOf(Uint32 id) const {
    for (const auto& [hwnd, window] : windows_) {
        if (window->Id() == id) return hwnd;
    }
    return nullptr;
}

void SdlHost::Show(HWND window, const NativeWindowState& state) {
    SdlWindow* native = Find(window);
    if (native == nullptr) {
        auto created =
            SdlWindow::Create(state.screenRect, Utf8(state.title), canShape_, scale_, state.role);
        if (!created && canShape_) {
            // The driver turned the shaped window down: fall back to a rectangular one.
            std::fprintf(stderr,
                         "keldra: cannot shape windows here (%s); the window stays rectangular\n",
                         SDL_GetError());
            canShape_ = false;
            created =
                SdlWindow::Create(state.screenRect, Utf8(state.title), false, scale_, state.role);
        }
        if (!created) {
            std::fprintf(stderr, "keldra: cannot create a window: %s\n", SDL_GetError());
            return;
        }
        native = created.get();
        windows_.emplace(window, std::move(created));
        native->SetShape(state.shape);
        if (state.iconPictures) native->SetIcon(*state.iconPictures);
        const SdlWindow* owner = Find(state.owner);
        if (state.role == NativeWindowRole::Owned && owner != nullptr) native->BelongTo(*owner);
    }
    native->Show();
}

void SdlHost::SetIcon(HWND window, std::shared_ptr<const std::vector<gdi::IconImage>> pictures) {
    SdlWindow* native = Find(window);
    if (native != nullptr && pictures) native->SetIcon(*pictures);
}

void SdlHost::Hide(HWND window) {
    if (SdlWindow* native = Find(window)) native->Hide();
}

void SdlHost::Destroy(HWND window) {
    windows_.erase(window);
}

void SdlHost::Move(HWND window, const gdi::Rect& screenRect) {
    if (SdlWindow* native = Find(window)) native->Place(screenRect);
}

void SdlHost::SetTitle(HWND window, const std::wstring& title) {
    if (SdlWindow* native = Find(window)) native->SetTitle(Utf8(title));
}

void SdlHost::SetShape(HWND window, const std::optional<gdi::Region>& shape) {
    if (SdlWindow* native = Find(window)) native->SetShape(shape);
}

void SdlHost::SetMinimized(HWND window, bool minimized) {
    SdlWindow* native = Find(window);
    if (native == nullptr) return;
    if (minimized) {
        native->Minimize();
    } else {
        native->Restore();
    }
}

void SdlHost::Present(HWND window, const gdi::Surface& pixels) {
    if (SdlWindow* native = Find(window)) native->Present(pixels);
}

void SdlHost::SetMouseCapture(bool captured) {
    captured_ = captured;
    // The grab sends the release to the window wherever the pointer is then.
    SDL_CaptureMouse(captured ? SDL_TRUE : SDL_FALSE);
}

gdi::Rect SdlHost::ScreenRect() const {
    SDL_Rect bounds{0, 0, 1920, 1080};
    SDL_GetDisplayBounds(0, &bounds);
    return gdi::Rect::FromSize(bounds.x / scale_, bounds.y / scale_, bounds.w / scale_,
                               bounds.h / scale_);
}

bool SdlHost::WaitForEvents() {
    if (windows_.empty() && !wakeAt_) return false;  // nothing could ever arrive
    int timeout = -1;
    if (wakeAt_) {
        const std::uint64_t now = Now();
        timeout = *wakeAt_ <= now
                      ? 0
                      : static_cast<int>(std::min<std::uint64_t>(*wakeAt_ - now, 1u << 30));
    }
    PumpEvents(timeout);
    return true;
}

void SdlHost::PumpEvents(int timeoutMs) {
    SDL_Event event;
    // Sleeps in SDL until input arrives or the timeout passes: no spinning while idle.
    const int got = timeoutMs < 0 ? SDL_WaitEvent(&event) : SDL_WaitEventTimeout(&event, timeoutMs);
    // One event at a time: the windows handle what it caused (a press that captures the
    // mouse, say) before the next event is turned into messages, as the platform does.
    if (got != 0) Handle(event);
    if (events_ != nullptr && wakeAt_ && Now() >= *wakeAt_) events_->ClockAdvanced();
}

gdi::Point SdlHost::ScreenPoint(Uint32 windowId, int x, int y) const {
    const HWND hwnd = WindowOf(windowId);
    const SdlWindow* native = hwnd ? Find(hwnd) : nullptr;
    const gdi::Point origin = native ? native->Position() : gdi::Point{};
    return {origin.x + x / scale_, origin.y + y / scale_};
}

void SdlHost::ReportMove(gdi::Point screen) {
    // A crossing and the motion after it, or the server's and SDL's report of one motion,
    // often name the same point.
    if (screen != lastPointer_) events_->PointerMoved(screen);
    lastPointer_ = screen;
}

void SdlHost::ReportButton(gdi::Point screen, bool down) {
    events_->LeftButton(screen, down);
    lastPointer_ = screen;
}

void SdlHost::ReportServerPointer(const X11PointerInput::Report& report) {
    const gdi::Point screen{report.screen.x / scale_, report.screen.y / scale_};
    using Kind = X11PointerInput::Report::Kind;
    if (report.kind == Kind::Moved) {
        ReportMove(screen);
    } else {
        ReportButton(screen, report.kind == Kind::LeftDown);
    }
}

void SdlHost::Handle(const SDL_Event& event) {
    if (events_ == nullptr) return;
    switch (event.type) {
        case SDL_SYSWMEVENT:
            if (const auto report = X11PointerInput::Read(*event.syswm.msg)) {
                ReportServerPointer(*report);
            }
            break;
        case SDL_MOUSEMOTION:
            // While the window holds the mouse the server's own events bring every motion:
            // SDL's count from where the window stands when they are read, and a window that
            // follows a drag has often moved on since. Other motion the server sends in a
            // form that only SDL reads.
            if (serverPointer_ && captured_) break;
            ReportMove(ScreenPoint(event.motion.windowID, event.motion.x, event.motion.y));
            break;
        case SDL_MOUSEBUTTONDOWN:
        case SDL_MOUSEBUTTONUP:
            if (!serverPointer_ && event.button.button == SDL_BUTTON_LEFT) {
                ReportButton(ScreenPoint(event.button.windowID, event.button.x, event.button.y),
                             event.type == SDL_MOUSEBUTTONDOWN);
            }
            break;
        case SDL_KEYDOWN:
        case SDL_KEYUP:
            if (const UINT vk = SdlKeyMap::VirtualKeyOf(event.key.keysym.sym); vk != 0) {
                events_->Key(vk, event.type == SDL_KEYDOWN);
            }
            break;
        case SDL_WINDOWEVENT:
            HandleWindowEvent(event.window);
            break;
        default:
            break;
    }
}

void SdlHost::HandleWindowEvent(const SDL_WindowEvent& event) {
    const HWND hwnd = WindowOf(event.windowID);
    if (hwnd == nullptr) return;
    switch (event.event) {
        case SDL_WINDOWEVENT_EXPOSED:
            Find(hwnd)->Repaint();
            break;
        case SDL_WINDOWEVENT_MOVED:
            FollowDesktopMove(hwnd);
            break;
        case SDL_WINDOWEVENT_RESTORED:
            events_->RestoreRequested(hwnd);
            break;
        case SDL_WINDOWEVENT_CLOSE:
            events_->CloseRequested(hwnd);
            break;
        default:
            break;
    }
}

void SdlHost::FollowDesktopMove(HWND hwnd) {
    // SDL's idea of the window's place, the one pointer events count from: the event's own
    // may be older than a move the window layer has asked for since.
    if (const auto moved = Find(hwnd)->TakeDesktopMove()) events_->WindowMoved(hwnd, *moved);
}

}  // namespace keldra::platform::host
