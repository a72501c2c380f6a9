// The desktop host of a program started on the player's desktop: opened the first time the
// program needs the desktop (its first window, a message box, a look at the screen), so that
// a program that ends before showing anything never reaches for one, and closed when the
// program has ended and its windows are gone.
#pragma once

#include <memory>
#include <string>

#include "platform/sdl/SdlHost.h"

namespace keldra::platform::host {

class DesktopOnDemand {
  public:
    // Waits for the window layer's first need. Should the desktop then not be reachable,
    // the process ends with status 1 and one line on standard error, "<program>: <why>":
    // on Windows a program without a desktop does not get to show anything either, and
    // there is nothing this one could do without.
    explicit DesktopOnDemand(std::string programName);
    ~DesktopOnDemand();
    DesktopOnDemand(const DesktopOnDemand&) = delete;
    DesktopOnDemand& operator=(const DesktopOnDemand&) = delete;

  private:
    Host* Open();

    std::string programName_;
    std::unique_ptr<SdlHost> host_;
};

}  // namespace keldra::platform::host
