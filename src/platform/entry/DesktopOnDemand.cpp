#include "platform/entry/DesktopOnDemand.h"

#include <cstdio>
#include <cstdlib>
#include <utility>

#include "platform/user/windows/UserState.h"

namespace keldra::platform::host {

using user::WindowManager;

DesktopOnDemand::DesktopOnDemand(std::string programName) : programName_(std::move(programName)) {
    user::CurrentWindows().SetHostOpener([this] { return Open(); });
}

DesktopOnDemand::~DesktopOnDemand() {
    WindowManager& manager = user::CurrentWindows();
    manager.SetHostOpener(nullptr);
    if (host_) manager.SetHost(nullptr);
    host_.reset();
}

Host* DesktopOnDemand::Open() {
    std::string error;
    host_ = SdlHost::Open(error);
    if (!host_) {
        std::fprintf(stderr, "%s: %s\n", programName_.c_str(), error.c_str());
        std::exit(1);
    }
    return host_.get();
}

}  // namespace keldra::platform::host
