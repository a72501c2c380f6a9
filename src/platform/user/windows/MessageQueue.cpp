#include "platform/user/windows/MessageQueue.h"

#include <algorithm>

#include "platform/user/UserConstants.h"

namespace keldra::platform::user {

void MessageQueue::PostQuit(int exitCode) {
    quit_ = true;
    exitCode_ = exitCode;
}

std::optional<MSG> MessageQueue::Take(bool remove) {
    if (!posted_.empty()) {
        const MSG message = posted_.front();
        if (remove) posted_.pop_front();
        return message;
    }
    if (!quit_) return std::nullopt;
    if (remove) quit_ = false;
    return MSG{nullptr, WM_QUIT, static_cast<WPARAM>(exitCode_), 0, 0, {0, 0}};
}

void MessageQueue::DropMessagesFor(HWND window) {
    std::erase_if(posted_, [window](const MSG& message) { return message.hwnd == window; });
}

}  // namespace keldra::platform::user
