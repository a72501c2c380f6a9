#include "skin/SliderThumb.h"

namespace keldra::skin {

namespace {

constexpr int kTrackMargin = 10;  // the channel's ends that the scaled position does not use
constexpr int kSpanPadding = 5;
constexpr int kRightLimit = 15;  // further right than this the thumb would stick out
constexpr int kPullBack = 5;

bool Contains(const RECT& rect, POINT point) {
    return point.x >= rect.left && point.x < rect.right && point.y >= rect.top &&
           point.y < rect.bottom;
}

}  // namespace

int SliderThumbLeft(int clientRight, int position, int minimum, int maximum) {
    const int span = maximum - minimum + kSpanPadding;
    if (span == 0) return 0;
    int left = (clientRight - kTrackMargin) * position / span;
    if (left > clientRight - kRightLimit) left -= kPullBack;
    return left;
}

POINT TrackbarPressPoint(const RECT& drawnThumb, const RECT& trackbarThumb, POINT press) {
    if (Contains(drawnThumb, press)) {
        return {(trackbarThumb.left + trackbarThumb.right) / 2,
                (trackbarThumb.top + trackbarThumb.bottom) / 2};
    }
    if (!Contains(trackbarThumb, press)) return press;
    const bool beforeThumb = press.x < drawnThumb.left;
    return {beforeThumb ? trackbarThumb.left - 1 : trackbarThumb.right, press.y};
}

}  // namespace keldra::skin
