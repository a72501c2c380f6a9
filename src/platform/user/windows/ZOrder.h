// Sibling windows from the topmost down: the children of one window, or the top-level
// windows of the desktop.
#pragma once

#include <vector>

#include "platform/user/UserTypes.h"

namespace keldra::platform::user {

class ZOrder {
  public:
    const std::vector<HWND>& Handles() const { return handles_; }
    void AddAtTop(HWND handle);
    void AddAtBottom(HWND handle);
    void Remove(HWND handle);
    // Puts a sibling just below insertAfter: HWND_TOP, HWND_BOTTOM or another sibling (one
    // that is not there puts it at the bottom; the sibling itself leaves it where it is).
    void Place(HWND handle, HWND insertAfter);

  private:
    std::vector<HWND> handles_;
};

}  // namespace keldra::platform::user
