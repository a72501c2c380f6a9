#include "platform/gdi/text/FontconfigSession.h"

#include <fontconfig/fontconfig.h>

namespace keldra::platform::gdi {

FontconfigSession& FontconfigSession::Instance() {
    static FontconfigSession session;
    return session;
}

void FontconfigSession::Load() {
    Instance();
    // Two threads loading at once each build a configuration and one of them is kept: no
    // lock is taken.
    FcInit();
}

FontconfigSession::~FontconfigSession() {
    FcFini();
}

}  // namespace keldra::platform::gdi
