// A D-Bus session bus of the test's own: a dbus-daemon that listens in a temporary folder and
// starts no services, so nothing installed on the machine answers on it.
#pragma once

#include <memory>
#include <string>

#include "launch/AnnouncingProgram.h"
#include "support/TempFolder.h"

namespace keldra::launch::testing {

class PrivateSessionBus {
  public:
    PrivateSessionBus();

    // For DBUS_SESSION_BUS_ADDRESS; empty when the daemon did not start.
    const std::string& Address() const { return daemon_->Announcement(); }

  private:
    keldra::testing::TempFolder folder_;
    std::unique_ptr<AnnouncingProgram> daemon_;
};

}  // namespace keldra::launch::testing
