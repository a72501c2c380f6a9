#include "platform/headless/HeadlessHost.h"

#include "platform/gdi/image/PngWriter.h"
#include "platform/gdi/raster/Pixel.h"
#include "platform/host/VirtualKeys.h"

namespace keldra::platform::host {

HeadlessHost::HeadlessHost(gdi::Rect screen) : screen_(screen) {}

void HeadlessHost::Show(HWND window, const NativeWindowState& state) {
    NativeWindow& native = windows_[window];
    native.state = state;
    native.shown = true;
}

void HeadlessHost::Hide(HWND window) {
    if (auto found = windows_.find(window); found != windows_.end()) found->second.shown = false;
}

void HeadlessHost::Destroy(HWND window) {
    windows_.erase(window);
}

void HeadlessHost::Move(HWND window, const gdi::Rect& screenRect) {
    if (auto found = windows_.find(window); found != windows_.end()) {
        found->second.state.screenRect = screenRect;
    }
}

void HeadlessHost::SetTitle(HWND window, const std::wstring& title) {
    if (auto found = windows_.find(window); found != windows_.end())
        found->second.state.title = title;
}

void HeadlessHost::SetShape(HWND window, const std::optional<gdi::Region>& shape) {
    if (auto found = windows_.find(window); found != windows_.end())
        found->second.state.shape = shape;
}

void HeadlessHost::SetMinimized(HWND window, bool minimized) {
    if (auto found = windows_.find(window); found != windows_.end())
        found->second.minimized = minimized;
}

void HeadlessHost::Present(HWND window, const gdi::Surface& pixels) {
    if (auto found = windows_.find(window); found != windows_.end())
        found->second.pixels = pixels.Clone();
}

bool HeadlessHost::WaitForEvents() {
    if (steps_.empty()) return false;
    auto step = std::move(steps_.front());
    steps_.pop_front();
    step();
    return true;
}

void HeadlessHost::MoveMouse(gdi::Point screen) {
    pointer_ = screen;
    if (events_ != nullptr) events_->PointerMoved(screen);
}

void HeadlessHost::PressLeft() {
    leftDown_ = true;
    if (events_ != nullptr) events_->LeftButton(pointer_, true);
}

void HeadlessHost::ReleaseLeft() {
    leftDown_ = false;
    if (events_ != nullptr) events_->LeftButton(pointer_, false);
}

void HeadlessHost::Click(gdi::Point screen) {
    MoveMouse(screen);
    PressLeft();
    ReleaseLeft();
}

void HeadlessHost::KeyDown(UINT vk) {
    if (events_ != nullptr) events_->Key(vk, true);
}

void HeadlessHost::KeyUp(UINT vk) {
    if (events_ != nullptr) events_->Key(vk, false);
}

void HeadlessHost::TypeKey(UINT vk, unsigned modifiers) {
    if (modifiers & kShift) KeyDown(VK_SHIFT);
    if (modifiers & kControl) KeyDown(VK_CONTROL);
    KeyDown(vk);
    KeyUp(vk);
    if (modifiers & kControl) KeyUp(VK_CONTROL);
    if (modifiers & kShift) KeyUp(VK_SHIFT);
}

void HeadlessHost::AdvanceTime(std::uint64_t milliseconds) {
    now_ += milliseconds;
    if (events_ != nullptr) events_->ClockAdvanced();
}

void HeadlessHost::RequestRestore(HWND window) {
    if (events_ != nullptr) events_->RestoreRequested(window);
}

void HeadlessHost::RequestClose(HWND window) {
    if (events_ != nullptr) events_->CloseRequested(window);
}

void HeadlessHost::Settle() {
    if (events_ != nullptr) events_->DeliverPending();
}

const HeadlessHost::NativeWindow* HeadlessHost::Find(HWND window) const {
    const auto found = windows_.find(window);
    return found != windows_.end() ? &found->second : nullptr;
}

bool HeadlessHost::IsShown(HWND window) const {
    const NativeWindow* native = Find(window);
    return native != nullptr && native->shown;
}

bool HeadlessHost::IsMinimized(HWND window) const {
    const NativeWindow* native = Find(window);
    return native != nullptr && native->minimized;
}

gdi::Rect HeadlessHost::WindowRect(HWND window) const {
    const NativeWindow* native = Find(window);
    return native != nullptr ? native->state.screenRect : gdi::Rect{};
}

COLORREF HeadlessHost::PixelAt(HWND window, int x, int y) const {
    const NativeWindow* native = Find(window);
    if (native == nullptr || native->pixels == nullptr) return CLR_INVALID;
    if (!native->pixels->Bounds().Contains({x, y})) return CLR_INVALID;
    return gdi::ColorRefFromPixel(native->pixels->At(x, y));
}

bool HeadlessHost::SavePng(HWND window, const std::filesystem::path& path) const {
    const NativeWindow* native = Find(window);
    if (native == nullptr || native->pixels == nullptr) return false;
    if (native->state.shape)
        return gdi::PngWriter::Write(path, *native->pixels, *native->state.shape);
    return gdi::PngWriter::Write(path, *native->pixels);
}

}  // namespace keldra::platform::host
