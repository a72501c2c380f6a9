#include "platform/user/paint/PaintController.h"

#include <ranges>

#include "platform/gdi/Gdi.h"
#include "platform/gdi/GdiHandles.h"
#include "platform/gdi/state/GdiState.h"
#include "platform/user/trace/MessageTrace.h"
#include "platform/user/windows/WindowManager.h"

namespace keldra::platform::user {

PaintController::PaintController(WindowManager& manager) : manager_(manager), geometry_(manager) {
    gdi::SetWindowDcSource([this](HWND window, bool) {
        if (Trace::On(TraceChannel::Paint)) [[unlikely]]
            MessageTrace::Paint("window dc", window, manager_.Find(window), Rect{});
        return OpenDc(window);
    });
}

PaintController::~PaintController() {
    if (gdi::GdiState* graphics = gdi::GdiState::Current()) graphics->SetWindowDcs(nullptr);
}

void PaintController::Invalidate(HWND handle, std::optional<Rect> area, bool erase) {
    Window* window = manager_.Find(handle);
    if (window == nullptr) return;
    const Rect client = window->ClientRect();
    const Rect invalid = area ? area->Intersect(client) : client;
    if (Trace::On(TraceChannel::Paint)) [[unlikely]]
        MessageTrace::Paint(erase ? "invalidate+erase" : "invalidate", handle, window, invalid);
    InvalidateArea(*window, Region(invalid), erase, false);
}

void PaintController::InvalidateTree(HWND handle) {
    if (Window* window = manager_.Find(handle)) {
        if (Trace::On(TraceChannel::Paint)) [[unlikely]]
            MessageTrace::Paint("invalidate tree", handle, window, window->ClientRect());
        InvalidateArea(*window, Region(window->ClientRect()), true, true);
    }
}

void PaintController::InvalidateUncovered(HWND parent, const Region& area) {
    if (Window* window = manager_.Find(parent)) {
        if (Trace::On(TraceChannel::Paint)) [[unlikely]]
            MessageTrace::Paint("invalidate uncovered", parent, window, area.Bounds());
        InvalidateArea(*window, area, true, false);
    }
}

void PaintController::InvalidateArea(Window& window, const Region& area, bool erase,
                                     bool forceChildren) {
    if (area.IsEmpty() || !geometry_.IsShowing(window)) return;
    window.AddToUpdate(area, WindowGeometry::ShapeOf(window), erase);
    if ((window.Style() & WS_CLIPCHILDREN) && !forceChildren) return;
    for (HWND handle : window.Children()) {
        Window* child = manager_.Find(handle);
        if (child == nullptr) continue;
        Region inChild = area;
        inChild.Offset(-child->Bounds().left, -child->Bounds().top);
        InvalidateArea(*child, inChild, erase, forceChildren);
    }
}

void PaintController::Validate(HWND handle) {
    if (Window* window = manager_.Find(handle)) {
        window->ClearUpdate();
    }
}

HWND PaintController::NextToPaint() const {
    for (HWND top : manager_.TopLevels()) {
        if (HWND found = FirstToPaintIn(top)) return found;
    }
    return nullptr;
}

HWND PaintController::FirstToPaintIn(HWND handle) const {
    const Window* window = manager_.Find(handle);
    if (window == nullptr || !window->IsVisibleFlag() || window->Minimized()) return nullptr;
    if (!window->Update().IsEmpty()) return handle;
    // Lower siblings first, so that where children overlap the topmost ends up in front.
    for (auto child = window->Children().rbegin(); child != window->Children().rend(); ++child) {
        if (HWND found = FirstToPaintIn(*child)) return found;
    }
    return nullptr;
}

HDC PaintController::BeginPaint(HWND handle, PAINTSTRUCT* paint) {
    Window* window = manager_.Find(handle);
    if (window == nullptr || paint == nullptr) return nullptr;
    const auto [update, erase] = window->TakeUpdate();
    ++paintsBegun_;

    const HDC dc = OpenDc(handle, update);
    const Rect box = update.Bounds();
    if (Trace::On(TraceChannel::Paint)) [[unlikely]]
        MessageTrace::Paint(erase ? "begin paint+erase" : "begin paint", handle, window, box);
    *paint = PAINTSTRUCT{};
    paint->hdc = dc;
    paint->rcPaint = {box.left, box.top, box.right, box.bottom};
    // fErase tells the caller the background still needs erasing.
    paint->fErase =
        erase && manager_.Send(handle, WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc), 0) == 0;
    return dc;
}

void PaintController::EndPaint(HWND handle, const PAINTSTRUCT* paint) {
    if (paint != nullptr) ReleaseDC(handle, paint->hdc);
}

HDC PaintController::OpenDc(HWND handle, const std::optional<Region>& clip) {
    const Window* window = manager_.Find(handle);
    if (window == nullptr) return nullptr;
    Window* top = manager_.Find(manager_.TopLevelOf(handle));
    Region visible = geometry_.IsShowing(*window) ? geometry_.VisibleRegion(*window) : Region();
    if (clip) Region::Combine(visible, *clip, gdi::RegionOp::And, visible);
    top->MarkForPresent();
    return gdi::OpenDisplayDc(top->Pixels(), geometry_.OriginInTopLevel(*window),
                              std::move(visible));
}

void PaintController::PresentChanged() {
    for (HWND handle : manager_.TopLevels()) {
        Window* top = manager_.Find(handle);
        if (top == nullptr || !top->NeedsPresent() || !top->Native().Shown()) continue;
        top->MarkPresented();
        const auto& pixels = top->Pixels();
        if (Trace::On(TraceChannel::Paint)) [[unlikely]]
            MessageTrace::Paint("present", handle, top, top->ClientRect());
        if (pixels != nullptr) top->Native().Present(*pixels);
    }
}

}  // namespace keldra::platform::user
