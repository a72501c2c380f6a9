// fontconfig's configuration for the whole process: loaded by whichever thread needs it
// first, freed once when the program ends. A program that exits without returning from
// main leaves its session, and the fonts of its catalog, standing: those are let go first.
#pragma once

namespace keldra::platform::gdi {

class FontCatalog;

class FontconfigSession {
  public:
    // Makes the one process-wide holder, whose end frees fontconfig when the program ends;
    // call it on the main thread before another thread may load.
    static void Hold();
    // Loads the configuration and the font cache unless that has happened. Safe on any
    // thread; a thread never waits here for another one that is loading.
    static void Load();
    // A font catalog holds fontconfig's patterns from its first use to its end.
    static void CatalogMade(FontCatalog& catalog);
    static void CatalogEnded(FontCatalog& catalog);

    FontconfigSession(const FontconfigSession&) = delete;
    FontconfigSession& operator=(const FontconfigSession&) = delete;

  private:
    FontconfigSession() = default;
    ~FontconfigSession();
};

}  // namespace keldra::platform::gdi
