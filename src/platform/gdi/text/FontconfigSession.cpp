#include "platform/gdi/text/FontconfigSession.h"

#include <fontconfig/fontconfig.h>

#include <atomic>

namespace keldra::platform::gdi {

namespace {

std::atomic<int> g_catalogs{0};

}  // namespace

void FontconfigSession::Hold() {
    static const FontconfigSession holder;
}

void FontconfigSession::Load() {
    Hold();
    // Two threads loading at once each build a configuration and one of them is kept: no
    // lock is taken.
    FcInit();
}

void FontconfigSession::CatalogMade() {
    ++g_catalogs;
}

void FontconfigSession::CatalogEnded() {
    --g_catalogs;
}

FontconfigSession::~FontconfigSession() {
    if (g_catalogs == 0) FcFini();
}

}  // namespace keldra::platform::gdi
