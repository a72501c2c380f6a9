// keldra-config: the settings editor on the player's desktop, editing the CONFIG.INI of the
// folder it is started in.
#include <cstdio>
#include <string>

#include "app/CConfigApp.h"
#include "app/DialogLayouts.h"
#include "platform/host/SdlHost.h"
#include "platform/user/WindowManager.h"

CConfigApp theApp;

int main() {
    std::string error;
    auto host = keldra::platform::host::SdlHost::Open(error);
    if (!host) {
        std::fprintf(stderr, "keldra-config: %s\n", error.c_str());
        return 1;
    }
    keldra::platform::user::WindowManager::Instance().SetHost(host.get());
    keldra::app::RegisterDialogLayouts();
    const int status = AfxWinMain();
    keldra::platform::user::WindowManager::Instance().SetHost(nullptr);
    return status;
}
