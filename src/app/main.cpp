// keldra-config: the settings editor on the player's desktop, editing the CONFIG.INI of the
// folder it is started in.
#include <cstdio>
#include <string>

#if defined(__GLIBC__)
#include <malloc.h>
#endif

#include "app/CConfigApp.h"
#include "app/DialogLayouts.h"
#include "platform/host/SdlHost.h"
#include "platform/user/WindowManager.h"

CConfigApp theApp;

namespace {

// The editor makes and drops pictures of about a megabyte each while it starts. glibc would
// map each one from the system afresh and unmap it when freed, and every fresh page costs a
// fault; kept in the heap, later pictures reuse the memory of earlier ones.
void KeepLargeBlocksInTheHeap() {
#if defined(__GLIBC__)
    mallopt(M_MMAP_THRESHOLD, 32 << 20);
    mallopt(M_TRIM_THRESHOLD, 64 << 20);
#endif
}

}  // namespace

int main() {
    KeepLargeBlocksInTheHeap();
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
