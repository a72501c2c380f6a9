// The thread's queue of posted messages and its quit request. Paint and timer messages are
// not stored here: the window manager makes them when the queue runs dry, as the platform
// does, so they never pile up.
#pragma once

#include <deque>
#include <optional>

#include "platform/user/UserTypes.h"

namespace keldra::platform::user {

class MessageQueue {
  public:
    void Post(const MSG& message) { posted_.push_back(message); }
    // Ahead of everything waiting: the character of a key comes before the next key.
    void PostNext(const MSG& message) { posted_.push_front(message); }
    void PostQuit(int exitCode);

    // The next posted message, or WM_QUIT once the posted ones are gone and a quit was
    // requested.
    std::optional<MSG> Take(bool remove);
    void DropMessagesFor(HWND window);
    bool HasQuit() const { return quit_; }

  private:
    std::deque<MSG> posted_;
    bool quit_ = false;
    int exitCode_ = 0;
};

}  // namespace keldra::platform::user
