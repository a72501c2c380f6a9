// The process entry of a program started on the player's desktop: it does what the Windows
// C runtime does before a Windows program runs, then starts the program at wWinMain, which
// the program supplies. The desktop is reached only when the program first needs it.
#include <windows.h>

#if defined(__GLIBC__)
#include <malloc.h>
#endif

#include "platform/entry/DesktopOnDemand.h"
#include "platform/kernel/ProcessArguments.h"
#include "platform/session/Session.h"

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

int main(int argc, char** argv) {
    KeepLargeBlocksInTheHeap();
    keldra::platform::ProcessArguments::Record(argc, argv);
    const keldra::platform::Session session;
    const keldra::platform::host::DesktopOnDemand desktop(KELDRA_PROGRAM_NAME);
    // The desktop closes after this returns, when the program's windows are gone, then the
    // session frees what the program left; the application object ends after that, as
    // static objects do.
    return wWinMain(GetModuleHandleW(nullptr), nullptr,
                    keldra::platform::ProcessArguments::CommandTail(), SW_SHOWDEFAULT);
}
