// Bitmap resources decoded ahead of need. A program that must wait for something anyway
// (the desktop answering) decodes its pictures meanwhile on a worker thread; LoadBitmap then
// only takes the finished pixels instead of decoding them itself.
#pragma once

#include <deque>
#include <map>
#include <memory>
#include <mutex>
#include <optional>

#include "platform/gdi/raster/Surface.h"

namespace keldra::platform::gdi {

class BitmapPrefetch {
  public:
    BitmapPrefetch() = default;
    BitmapPrefetch(const BitmapPrefetch&) = delete;
    BitmapPrefetch& operator=(const BitmapPrefetch&) = delete;

    // Plans every bitmap resource of the program, in resource order; from now on Take finds
    // them. A second call does nothing.
    void PlanAll();
    // Decodes what is planned and nobody took yet. Meant for a worker thread.
    void DecodePlanned();
    // Forgets the planned pictures nobody has started on; DecodePlanned then ends soon.
    void DropWaiting();

    // The decoded pixels of bitmap resource `id`; nullptr when it was never planned, could
    // not be decoded or was already taken. A picture the worker has not finished is decoded
    // right here instead: the worker runs at low priority and may be starved by a busy
    // machine, so the caller never waits for it. Each picture is handed out once, so
    // nothing stays held after start-up.
    std::shared_ptr<Surface> Take(unsigned id);

  private:
    // The next planned picture, now marked as being decoded; none when all are done.
    std::optional<unsigned> StartNext();
    static std::shared_ptr<Surface> Decode(unsigned id);

    std::mutex mutex_;
    bool planned_ = false;
    std::deque<unsigned> waiting_;        // planned, nobody decoding them yet
    std::optional<unsigned> inProgress_;  // the one the worker is decoding
    bool inProgressTaken_ = false;        // ... which a caller decoded for itself meanwhile
    std::map<unsigned, std::shared_ptr<Surface>> ready_;
};

}  // namespace keldra::platform::gdi
