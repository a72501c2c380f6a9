#include "platform/gdi/text/FontconfigSession.h"

#include <fontconfig/fontconfig.h>

#include <mutex>
#include <vector>

#include "platform/gdi/text/FontCatalog.h"

namespace keldra::platform::gdi {

namespace {

std::mutex g_catalogsMutex;
std::vector<FontCatalog*> g_catalogs;  // alive now

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

void FontconfigSession::CatalogMade(FontCatalog& catalog) {
    const std::lock_guard lock(g_catalogsMutex);
    g_catalogs.push_back(&catalog);
}

void FontconfigSession::CatalogEnded(FontCatalog& catalog) {
    const std::lock_guard lock(g_catalogsMutex);
    std::erase(g_catalogs, &catalog);
}

FontconfigSession::~FontconfigSession() {
    {
        const std::lock_guard lock(g_catalogsMutex);
        for (FontCatalog* catalog : g_catalogs) catalog->LetGoOfFonts();
    }
    FcFini();
}

}  // namespace keldra::platform::gdi
