#include "launch/PrivateSessionBus.h"

namespace keldra::launch::testing {

namespace {

std::string ConfigurationFor(const std::string& socketFolder) {
    return R"(<!DOCTYPE busconfig PUBLIC "-//freedesktop//DTD D-Bus Bus Configuration 1.0//EN"
 "http://www.freedesktop.org/standards/dbus/1.0/busconfig.dtd">
<busconfig>
  <type>session</type>
  <listen>unix:dir=)" +
           socketFolder + R"(</listen>
  <auth>EXTERNAL</auth>
  <policy context="default">
    <allow send_destination="*" eavesdrop="true"/>
    <allow eavesdrop="true"/>
    <allow own="*"/>
  </policy>
</busconfig>
)";
}

}  // namespace

PrivateSessionBus::PrivateSessionBus() {
    const auto configuration = folder_ / "session.conf";
    keldra::testing::WriteBytes(configuration, ConfigurationFor(folder_.Path().string()));
    daemon_ = std::make_unique<AnnouncingProgram>(
        std::vector<std::string>{KELDRA_DBUS_DAEMON, "--config-file=" + configuration.string(),
                                 "--print-address", "--nofork"});
}

}  // namespace keldra::launch::testing
