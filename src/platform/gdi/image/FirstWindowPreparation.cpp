#include "platform/gdi/image/FirstWindowPreparation.h"

#if defined(__linux__)
#include <sys/resource.h>
#include <sys/syscall.h>
#include <unistd.h>
#endif

#include "platform/gdi/state/GdiState.h"
#include "platform/gdi/text/FontconfigSession.h"

namespace keldra::platform::gdi {

namespace {

// The preparation is a helper: it should use what the program it helps and the display
// server leave idle, not slow them down. Linux gives each thread its own nice value.
void YieldToOtherThreads() {
#if defined(__linux__)
    setpriority(PRIO_PROCESS, static_cast<id_t>(syscall(SYS_gettid)), 19);
#endif
}

}  // namespace

FirstWindowPreparation::FirstWindowPreparation() : prefetch_(GdiState::Require().Prefetch()) {
    prefetch_.PlanAll();
    FontconfigSession::Hold();
    worker_ = std::thread([this] { Run(); });
}

FirstWindowPreparation::~FirstWindowPreparation() {
    stopping_ = true;
    prefetch_.DropWaiting();
    worker_.join();
}

void FirstWindowPreparation::Run() {
    YieldToOtherThreads();
    prefetch_.DecodePlanned();
    // Should the program need the fonts first, it loads them as well rather than waiting.
    if (!stopping_) FontconfigSession::Load();
}

}  // namespace keldra::platform::gdi
