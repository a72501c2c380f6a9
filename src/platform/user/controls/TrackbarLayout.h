// Where the parts of a horizontal trackbar lie in its client area: the channel, inset at
// each end, and the thumb, whose centre travels the channel's length over the range.
#pragma once

#include <windows.h>

#include "platform/user/controls/TrackbarRange.h"

namespace keldra::platform::user::controls {

class TrackbarLayout {
  public:
    static constexpr int kChannelInset = 8;
    static constexpr int kChannelHeight = 4;
    static constexpr int kThumbWidth = 11;
    static constexpr int kThumbHeight = 21;

    TrackbarLayout(const RECT& client, const TrackbarRange& range)
        : client_(client), range_(range) {}

    RECT Channel() const;
    RECT Thumb() const;
    int ThumbCentre(int pos) const;
    // The position whose thumb centre lies nearest to x, inside the range.
    int PosAt(int x) const;

  private:
    int Travel() const;

    RECT client_;
    const TrackbarRange& range_;
};

}  // namespace keldra::platform::user::controls
