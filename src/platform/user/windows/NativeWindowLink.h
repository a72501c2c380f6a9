// Keeps a top-level window's native window on the host in step with it: once the window is
// first shown on a host, each change of place, shape, title, icon, state or pixels goes to
// that host. A window never shown on a host (a child, or a window made without one) has a
// link that does nothing, so callers need not ask.
#pragma once

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/host/Host.h"

namespace keldra::platform::user {

class NativeWindowLink {
  public:
    bool Shown() const { return host_ != nullptr; }

    void Show(host::Host& host, HWND window, const host::NativeWindowState& state);
    void Hide();
    void Destroy();
    void Move(const gdi::Rect& screenRect);
    void SetTitle(const std::wstring& title);
    void SetShape(const std::optional<gdi::Region>& shape);
    void SetMinimized(bool minimized);
    void SetIcon(std::shared_ptr<const std::vector<gdi::IconImage>> pictures);
    void Present(const gdi::Surface& pixels);
    // The host is going away: nothing more is sent to it.
    void Forget() { host_ = nullptr; }

  private:
    host::Host* host_ = nullptr;
    HWND window_ = nullptr;
};

}  // namespace keldra::platform::user
