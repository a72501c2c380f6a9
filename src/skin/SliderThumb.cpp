#include "skin/SliderThumb.h"

namespace keldra::skin {

namespace {

constexpr int kTrackMargin = 10;  // the channel's ends that the scaled position does not use
constexpr int kSpanPadding = 5;
constexpr int kRightLimit = 15;  // further right than this the thumb would stick out
constexpr int kPullBack = 5;

}  // namespace

int SliderThumbLeft(int clientRight, int position, int minimum, int maximum) {
    const int span = maximum - minimum + kSpanPadding;
    if (span == 0) return 0;
    int left = (clientRight - kTrackMargin) * position / span;
    if (left > clientRight - kRightLimit) left -= kPullBack;
    return left;
}

}  // namespace keldra::skin
