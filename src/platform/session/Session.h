// Everything the platform keeps while a program runs: the resources put in front of the
// program's own, the graphics objects and fonts, the windows, their classes and their
// queue. A program makes one before its first Windows call and drops it after its last;
// dropping it destroys the windows still open (their procedures hear WM_DESTROY and
// WM_NCDESTROY, the host hears nothing) and frees the rest. Each test makes its own, so no
// test sees what another left behind. Sessions nest: the newest is the current one.
#pragma once

#include "platform/gdi/state/GdiState.h"
#include "platform/kernel/KernelState.h"
#include "platform/user/windows/UserState.h"

namespace keldra::platform {

class Session {
  public:
    Session();
    ~Session();
    Session(const Session&) = delete;
    Session& operator=(const Session&) = delete;

    user::WindowManager& Windows() { return user_.Windows(); }

  private:
    // In layer order: each layer may use the ones made before it, which end after it.
    KernelState kernel_;
    gdi::GdiState gdi_;
    user::UserState user_;
};

}  // namespace keldra::platform
