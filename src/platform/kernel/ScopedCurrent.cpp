#include "platform/kernel/ScopedCurrent.h"

#include <cstdio>
#include <cstdlib>

namespace keldra::platform {

void NoPlatformSession(const char* layer) {
    std::fprintf(stderr, "keldra: the %s layer was used outside a platform session\n", layer);
    std::abort();
}

}  // namespace keldra::platform
