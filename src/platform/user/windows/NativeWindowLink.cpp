#include "platform/user/windows/NativeWindowLink.h"

namespace keldra::platform::user {

void NativeWindowLink::Show(host::Host& host, HWND window, const host::NativeWindowState& state) {
    host_ = &host;
    window_ = window;
    host.Show(window, state);
}

void NativeWindowLink::Hide() {
    if (host_ != nullptr) host_->Hide(window_);
}

void NativeWindowLink::Destroy() {
    if (host_ != nullptr) host_->Destroy(window_);
    host_ = nullptr;
}

void NativeWindowLink::Move(const gdi::Rect& screenRect) {
    if (host_ != nullptr) host_->Move(window_, screenRect);
}

void NativeWindowLink::SetTitle(const std::wstring& title) {
    if (host_ != nullptr) host_->SetTitle(window_, title);
}

void NativeWindowLink::SetShape(const std::optional<gdi::Region>& shape) {
    if (host_ != nullptr) host_->SetShape(window_, shape);
}

void NativeWindowLink::SetMinimized(bool minimized) {
    if (host_ != nullptr) host_->SetMinimized(window_, minimized);
}

void NativeWindowLink::SetIcon(std::shared_ptr<const std::vector<gdi::IconImage>> pictures) {
    if (host_ != nullptr) host_->SetIcon(window_, std::move(pictures));
}

void NativeWindowLink::Present(const gdi::Surface& pixels) {
    if (host_ != nullptr) host_->Present(window_, pixels);
}

}  // namespace keldra::platform::user
