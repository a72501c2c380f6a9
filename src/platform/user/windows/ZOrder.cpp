#include "platform/user/windows/ZOrder.h"

#include <algorithm>

#include "platform/user/UserConstants.h"

namespace keldra::platform::user {

void ZOrder::AddAtTop(HWND handle) {
    handles_.insert(handles_.begin(), handle);
}

void ZOrder::AddAtBottom(HWND handle) {
    handles_.push_back(handle);
}

void ZOrder::Remove(HWND handle) {
    std::erase(handles_, handle);
}

void ZOrder::Place(HWND handle, HWND insertAfter) {
    if (insertAfter == handle) return;  // below itself: where it is
    Remove(handle);
    auto place = handles_.begin();
    if (insertAfter == HWND_BOTTOM) {
        place = handles_.end();
    } else if (insertAfter != HWND_TOP) {
        place = std::ranges::find(handles_, insertAfter);
        if (place != handles_.end()) ++place;
    }
    handles_.insert(place, handle);
}

}  // namespace keldra::platform::user
