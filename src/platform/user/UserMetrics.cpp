// Screen and scroll-bar sizes. The screen is the host's; without a host it is empty.
#include "platform/user/UserMetrics.h"

#include "platform/user/windows/UserState.h"
#include "platform/user/windows/WindowManager.h"

using keldra::platform::user::CurrentWindows;
using keldra::platform::user::WindowManager;

namespace {

// The classic scroll bar at 96 DPI.
constexpr int kScrollBarSize = 17;

}  // namespace

int GetSystemMetrics(int index) {
    const auto* host = CurrentWindows().Host();
    const keldra::platform::gdi::Rect screen =
        host != nullptr ? host->ScreenRect() : keldra::platform::gdi::Rect{};
    switch (index) {
        case SM_CXSCREEN:
            return screen.Width();
        case SM_CYSCREEN:
            return screen.Height();
        case SM_CXVSCROLL:
        case SM_CYHSCROLL:
            return kScrollBarSize;
        default:
            return 0;
    }
}
