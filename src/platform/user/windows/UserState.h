// The window layer's part of a platform session: the windows, classes, queue and input
// state, the icons loaded, and the system colours' brushes.
#pragma once

#include "platform/kernel/ScopedCurrent.h"
#include "platform/user/windows/IconTable.h"
#include "platform/user/windows/SystemColours.h"
#include "platform/user/windows/WindowManager.h"

namespace keldra::platform::user {

class UserState {
  public:
    // Needs the session's graphics state, which outlives it.
    UserState();
    UserState(const UserState&) = delete;
    UserState& operator=(const UserState&) = delete;

    // The current session's window layer; nullptr outside a session.
    static UserState* Current() { return ScopedCurrent<UserState>::Get(); }
    // The same, for callers that cannot do without one.
    static UserState& Require() { return ScopedCurrent<UserState>::Require("window"); }

    WindowManager& Windows() { return windows_; }
    IconTable& Icons() { return icons_; }
    const SystemColours& Colours() const { return colours_; }

  private:
    ScopedCurrent<UserState> current_{this};  // first: current until the rest is gone
    SystemColours colours_;
    IconTable icons_;
    WindowManager windows_;
};

// The current session's windows, for the Windows-named calls that need them.
inline WindowManager& CurrentWindows() {
    return UserState::Require().Windows();
}
// The window behind a handle; nullptr for a stale or made-up one, and for any handle outside
// a session (a framework object that ends after the program's session asking about its
// window), so that such calls fail as they do for a window that is gone.
inline Window* FindWindowOf(HWND handle) {
    UserState* state = UserState::Current();
    return state != nullptr ? state->Windows().Find(handle) : nullptr;
}

}  // namespace keldra::platform::user
