#include "platform/host/TracingHost.h"

#include "platform/kernel/Trace.h"

namespace keldra::platform::host {

namespace {

constexpr TraceChannel kHost = TraceChannel::Host;

void* Id(HWND window) {
    return static_cast<void*>(window);
}

}  // namespace

void TracingHost::Attach(HostEvents* events) {
    events_ = events;
    inner_.Attach(this);
}

void TracingHost::Show(HWND window, const NativeWindowState& state) {
    const gdi::Rect& r = state.screenRect;
    Trace::Line(kHost, "-> show %p at (%d,%d) %dx%d%s", Id(window), r.left, r.top, r.Width(),
                r.Height(), state.shape ? " shaped" : "");
    inner_.Show(window, state);
}

void TracingHost::Hide(HWND window) {
    Trace::Line(kHost, "-> hide %p", Id(window));
    inner_.Hide(window);
}

void TracingHost::Destroy(HWND window) {
    Trace::Line(kHost, "-> destroy %p", Id(window));
    inner_.Destroy(window);
}

void TracingHost::Move(HWND window, const gdi::Rect& r) {
    Trace::Line(kHost, "-> move %p to (%d,%d) %dx%d", Id(window), r.left, r.top, r.Width(),
                r.Height());
    inner_.Move(window, r);
}

void TracingHost::SetTitle(HWND window, const std::wstring& title) {
    Trace::Line(kHost, "-> title %p (%zu characters)", Id(window), title.size());
    inner_.SetTitle(window, title);
}

void TracingHost::SetShape(HWND window, const std::optional<gdi::Region>& shape) {
    Trace::Line(kHost, "-> shape %p %s", Id(window), shape ? "region" : "whole rectangle");
    inner_.SetShape(window, shape);
}

void TracingHost::SetMinimized(HWND window, bool minimized) {
    Trace::Line(kHost, "-> %s %p", minimized ? "minimize" : "restore", Id(window));
    inner_.SetMinimized(window, minimized);
}

void TracingHost::SetIcon(HWND window,
                          std::shared_ptr<const std::vector<gdi::IconImage>> pictures) {
    Trace::Line(kHost, "-> icon %p", Id(window));
    inner_.SetIcon(window, std::move(pictures));
}

void TracingHost::Present(HWND window, const gdi::Surface& pixels) {
    Trace::Line(kHost, "-> present %p %dx%d", Id(window), pixels.Width(), pixels.Height());
    inner_.Present(window, pixels);
}

void TracingHost::SetMouseCapture(bool captured) {
    Trace::Line(kHost, "-> mouse capture %s", captured ? "on" : "off");
    inner_.SetMouseCapture(captured);
}

bool TracingHost::WaitForEvents() {
    Trace::Line(kHost, "-> wait");
    return inner_.WaitForEvents();
}

void TracingHost::SetWakeTime(std::optional<std::uint64_t> due) {
    inner_.SetWakeTime(due);
}

void TracingHost::PointerMoved(gdi::Point screen) {
    Trace::Line(kHost, "<- pointer (%d,%d)", screen.x, screen.y);
    const Trace::Nested nested;
    if (events_ != nullptr) events_->PointerMoved(screen);
}

void TracingHost::LeftButton(gdi::Point screen, bool down) {
    Trace::Line(kHost, "<- left button %s at (%d,%d)", down ? "down" : "up", screen.x, screen.y);
    const Trace::Nested nested;
    if (events_ != nullptr) events_->LeftButton(screen, down);
}

void TracingHost::Key(UINT vk, bool down) {
    Trace::Line(kHost, "<- key 0x%02X %s", vk, down ? "down" : "up");
    const Trace::Nested nested;
    if (events_ != nullptr) events_->Key(vk, down);
}

void TracingHost::ClockAdvanced() {
    Trace::Line(kHost, "<- clock %llu", static_cast<unsigned long long>(inner_.Now()));
    const Trace::Nested nested;
    if (events_ != nullptr) events_->ClockAdvanced();
}

void TracingHost::RestoreRequested(HWND window) {
    Trace::Line(kHost, "<- restore asked for %p", Id(window));
    const Trace::Nested nested;
    if (events_ != nullptr) events_->RestoreRequested(window);
}

void TracingHost::WindowMoved(HWND window, gdi::Point screen) {
    Trace::Line(kHost, "<- %p moved to (%d,%d)", Id(window), screen.x, screen.y);
    const Trace::Nested nested;
    if (events_ != nullptr) events_->WindowMoved(window, screen);
}

void TracingHost::CloseRequested(HWND window) {
    Trace::Line(kHost, "<- close asked for %p", Id(window));
    const Trace::Nested nested;
    if (events_ != nullptr) events_->CloseRequested(window);
}

void TracingHost::DeliverPending() {
    Trace::Line(kHost, "<- deliver pending");
    const Trace::Nested nested;
    if (events_ != nullptr) events_->DeliverPending();
}

}  // namespace keldra::platform::host
