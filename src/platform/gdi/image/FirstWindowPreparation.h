// What the first window needs from the drawing layer, prepared ahead of time on a worker
// thread while the program waits for something else, such as the desktop.
#pragma once

#include <atomic>
#include <thread>

#include "platform/gdi/image/BitmapPrefetch.h"

namespace keldra::platform::gdi {

class FirstWindowPreparation {
  public:
    // Plans the program's bitmaps for LoadBitmap to take, then starts a low-priority thread
    // that decodes them and reads the font configuration.
    FirstWindowPreparation();
    // Drops what is not started yet and waits for the thread.
    ~FirstWindowPreparation();
    FirstWindowPreparation(const FirstWindowPreparation&) = delete;
    FirstWindowPreparation& operator=(const FirstWindowPreparation&) = delete;

  private:
    void Run();

    BitmapPrefetch& prefetch_;  // the session's, which outlives this preparation
    std::atomic<bool> stopping_{false};
    std::thread worker_;
};

}  // namespace keldra::platform::gdi
