// fontconfig's configuration for the whole process: loaded by whichever thread needs it
// first, freed once when the program ends.
#pragma once

namespace keldra::platform::gdi {

class FontconfigSession {
  public:
    // The session itself: make it on the main thread before another thread may load.
    static FontconfigSession& Instance();
    // Loads the configuration and the font cache unless that has happened. Safe on any
    // thread; a thread never waits here for another one that is loading.
    static void Load();

    FontconfigSession(const FontconfigSession&) = delete;
    FontconfigSession& operator=(const FontconfigSession&) = delete;

  private:
    FontconfigSession() = default;
    ~FontconfigSession();
};

}  // namespace keldra::platform::gdi
