#include "platform/user/controls/TrackbarLayout.h"

#include <algorithm>

namespace keldra::platform::user::controls {

int TrackbarLayout::Travel() const {
    const int left = client_.left + kChannelInset;
    const int right = client_.right - kChannelInset;
    return std::max(0, right - left - 1);
}

RECT TrackbarLayout::Channel() const {
    const int middle = (client_.top + client_.bottom) / 2;
    const int top = middle - kChannelHeight / 2;
    return {client_.left + kChannelInset, top,
            std::max(client_.left + kChannelInset, client_.right - kChannelInset),
            top + kChannelHeight};
}

int TrackbarLayout::ThumbCentre(int pos) const {
    const long long span = static_cast<long long>(range_.Max()) - range_.Min();
    const int left = client_.left + kChannelInset;
    if (span <= 0) return left;
    const long long offset = static_cast<long long>(range_.Clamp(pos)) - range_.Min();
    // Rounded, so that PosAt and ThumbCentre undo each other.
    return left + static_cast<int>((offset * Travel() * 2 + span) / (2 * span));
}

RECT TrackbarLayout::Thumb() const {
    const int centre = ThumbCentre(range_.Pos());
    const int top = client_.top + (client_.bottom - client_.top - kThumbHeight) / 2;
    const int left = centre - kThumbWidth / 2;
    return {left, top, left + kThumbWidth, top + kThumbHeight};
}

int TrackbarLayout::PosAt(int x) const {
    const long long span = static_cast<long long>(range_.Max()) - range_.Min();
    const int travel = Travel();
    if (span <= 0 || travel == 0) return range_.Min();
    const long long offset = std::clamp(x - (client_.left + kChannelInset), 0, travel);
    // Rounded to the nearest position.
    return range_.Clamp(range_.Min() + (offset * span * 2 + travel) / (2LL * travel));
}

}  // namespace keldra::platform::user::controls
